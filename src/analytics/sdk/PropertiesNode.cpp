#include "analytics/sdk/PropertiesNode.h"

#include "analytics/sdk/Validation.h"

namespace cv_analytics {

using utils::PropertyValue;

void PropertiesNode::SetObject(const std::string&, const utils::ObjectNode&) {}

bool PropertiesNode::SetString(const std::string& key, const std::string& value) {
    if (!CheckStringProperty(key, value)) return false;
    SetValue(key, PropertyValue::String(value));
    return true;
}

bool PropertiesNode::SetString(const std::string& key, const char* value) {
    return SetString(key, std::string(value ? value : ""));
}

void PropertiesNode::SetNumber(const std::string& key, int value) { SetValue(key, PropertyValue::Int(value)); }
void PropertiesNode::SetNumber(const std::string& key, int64_t value) { SetValue(key, PropertyValue::Int(value)); }
void PropertiesNode::SetNumber(const std::string& key, double value) { SetValue(key, PropertyValue::Number(value)); }
void PropertiesNode::SetBool(const std::string& key, bool value) { SetValue(key, PropertyValue::Bool(value)); }

void PropertiesNode::SetDateTime(const std::string& key, int64_t seconds, int milliseconds) {
    SetValue(key, PropertyValue::DateTime(seconds, milliseconds));
}

void PropertiesNode::SetList(const std::string& key, const std::vector<std::string>& values) {
    SetValue(key, PropertyValue::List(values));
}

void PropertiesNode::Merge(const utils::ObjectNode& other) {
    for (const auto& [key, value] : other.GetEntries()) SetValue(key, value);
}

void PropertiesNode::Clear() { m_Entries.clear(); }

}  // namespace cv_analytics
