#include "analytics/sdk/ObjectNode.h"

namespace utils {

void ObjectNode::SetObject(const std::string& key, const ObjectNode& object) {
    SetValue(key, PropertyValue::Object(object));
}

void ObjectNode::SetValue(const std::string& key, PropertyValue value) {
    m_Entries.insert_or_assign(key, std::move(value));
}

const PropertyValue* ObjectNode::Find(const std::string& key) const {
    const auto found = m_Entries.find(key);
    return found == m_Entries.end() ? nullptr : &found->second;
}

bool ObjectNode::Remove(const std::string& key) { return m_Entries.erase(key) != 0; }

std::string ObjectNode::ToJson() const {
    std::string out;
    AppendJson(out);
    return out;
}

void ObjectNode::AppendJson(std::string& out) const {
    out.push_back('{');
    bool first = true;
    for (const auto& [key, value] : m_Entries) {
        if (!first) out.push_back(',');
        first = false;
        // Keys are written as they are: every key has passed the name rule.
        out.push_back('"');
        out += key;
        out += "\":";
        value.AppendJson(out);
    }
    out.push_back('}');
}

}  // namespace utils
