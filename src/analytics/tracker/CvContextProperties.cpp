#include "analytics/tracker/CvContextProperties.h"

#include "analytics/tracker/CvException.h"

namespace corvel::tracking {

namespace {
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsUpperOrDigit(char c) { return IsUpper(c) || (c >= '0' && c <= '9'); }
}  // namespace

CvContextProperties::CvContextProperties() : m_Registry(8) { m_Registry.max_load_factor(1.0f); }

void CvContextProperties::setProperty(const std::string& key, Value value, const std::vector<int>& eventTypes) {
    if (m_Registry.count(key)) CV_RAISE("Property[" + key + "] already exist!");
    const int kind = static_cast<int>(value.index());
    auto shared = std::make_shared<const Value>(std::move(value));
    m_Registry.emplace(key, shared);
    for (int index : eventTypes) {
        if (index < 0 || index >= kCvEventTypeCount) CV_RAISE("CvEvent[" + std::to_string(index) + "] overflow!");
        m_Slots[static_cast<size_t>(index)].push_back({kind, shared, key});
    }
}

const std::vector<CvContextProperties::Entry>& CvContextProperties::getEventProperties(int eventType) const {
    if (eventType < 0 || eventType >= kCvEventTypeCount)
        CV_RAISE("CvEvent[" + std::to_string(eventType) + "] overflow!");
    return m_Slots[static_cast<size_t>(eventType)];
}

bool CvContextProperties::merge(int eventType, cv_analytics::PropertiesNode& properties) const {
    const auto& entries = getEventProperties(eventType);
    for (const Entry& entry : entries) {
        const Value& value = *entry.value;
        switch (entry.kind) {
            case 0: properties.SetBool(entry.key, std::get<bool>(value)); break;
            case 1: properties.SetString(entry.key, std::to_string(std::get<int64_t>(value))); break;
            case 2: properties.SetNumber(entry.key, std::get<double>(value)); break;
            case 3: properties.SetString(entry.key, std::get<std::string>(value)); break;
            case 4: properties.SetList(entry.key, std::get<std::vector<std::string>>(value)); break;
            default: break;
        }
    }
    return !entries.empty();
}

bool CvContextProperties::isValidABValue(const std::string& text) {
    if (text.empty()) return false;
    if (text.size() >= 4) CV_RAISE("value's length is great than 3.");
    if (!IsUpper(text[0])) CV_RAISE("First char is not in A to Z");
    if (text.size() >= 2 && !IsUpperOrDigit(text[1])) CV_RAISE("second char is not in A to Z and 0 to 9");
    if (text.size() == 3 && !IsUpperOrDigit(text[2])) CV_RAISE("third char is not in A to Z and 0 to 9");
    return true;
}

}  // namespace corvel::tracking
