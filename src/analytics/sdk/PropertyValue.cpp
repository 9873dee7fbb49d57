#include "analytics/sdk/PropertyValue.h"

#include "analytics/sdk/ObjectNode.h"
#include "platform/Time.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <locale>
#include <sstream>

namespace utils {

PropertyValue PropertyValue::Number(double value) {
    PropertyValue result(Kind::kNumber);
    result.m_Number = value;
    return result;
}

PropertyValue PropertyValue::Int(int64_t value) {
    PropertyValue result(Kind::kInt);
    result.m_Int = value;
    return result;
}

PropertyValue PropertyValue::String(std::string value) {
    PropertyValue result(Kind::kString);
    result.m_String = std::move(value);
    return result;
}

PropertyValue PropertyValue::List(std::vector<std::string> values) {
    PropertyValue result(Kind::kList);
    result.m_List = std::move(values);
    return result;
}

PropertyValue PropertyValue::DateTime(int64_t seconds, int milliseconds) {
    PropertyValue result(Kind::kDateTime);
    result.m_Int = seconds;
    result.m_Milliseconds = milliseconds;
    return result;
}

PropertyValue PropertyValue::Bool(bool value) {
    PropertyValue result(Kind::kBool);
    result.m_Bool = value;
    return result;
}

PropertyValue PropertyValue::Object(const ObjectNode& object) {
    PropertyValue result(Kind::kObject);
    result.m_Object = std::make_unique<ObjectNode>(object);
    return result;
}

PropertyValue::PropertyValue(const PropertyValue& other)
    : m_Kind(other.m_Kind),
      m_Number(other.m_Number),
      m_Int(other.m_Int),
      m_String(other.m_String),
      m_List(other.m_List),
      m_Milliseconds(other.m_Milliseconds),
      m_Bool(other.m_Bool),
      m_Object(other.m_Object ? std::make_unique<ObjectNode>(*other.m_Object) : nullptr) {}

PropertyValue& PropertyValue::operator=(const PropertyValue& other) {
    if (this != &other) {
        PropertyValue copy(other);
        *this = std::move(copy);
    }
    return *this;
}

PropertyValue::PropertyValue(PropertyValue&&) noexcept = default;
PropertyValue& PropertyValue::operator=(PropertyValue&&) noexcept = default;
PropertyValue::~PropertyValue() = default;

void AppendJsonString(std::string& out, std::string_view text) {
    out.push_back('"');
    for (char c : text) {
        switch (c) {
            case '\b': out += "\\b"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\f': out += "\\f"; break;
            case '\r': out += "\\r"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default: out.push_back(c);
        }
    }
    out.push_back('"');
}

std::string FormatJsonNumber(double value) {
    std::ostringstream stream;
    stream.imbue(std::locale::classic());  // '.' whatever the user's locale
    stream << value;
    return stream.str();
}

void PropertyValue::AppendJson(std::string& out) const {
    switch (m_Kind) {
        case Kind::kNumber:
            out += FormatJsonNumber(m_Number);
            break;
        case Kind::kInt:
            out += std::to_string(m_Int);
            break;
        case Kind::kString:
            AppendJsonString(out, m_String);
            break;
        case Kind::kList:
            out.push_back('[');
            for (size_t i = 0; i < m_List.size(); ++i) {
                if (i) out.push_back(',');
                AppendJsonString(out, m_List[i]);
            }
            out.push_back(']');
            break;
        case Kind::kDateTime: {
            const platform::LocalTime local = platform::ToLocalTime(m_Int);
            out += fmt::sprintf("\"%04d-%02d-%02d %02d:%02d:%02d.%03d\"", local.year, local.month, local.day,
                                local.hour, local.minute, local.second, m_Milliseconds);
            break;
        }
        case Kind::kBool:
            out += m_Bool ? "true" : "false";
            break;
        case Kind::kObject:
            if (m_Object) m_Object->AppendJson(out);
            else out += "{}";
            break;
    }
}

}  // namespace utils
