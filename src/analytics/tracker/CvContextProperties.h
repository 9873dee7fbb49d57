#pragma once
// Extra properties a caller attaches to chosen event types of one report
// (in this system only the A/B group "cvc_ab"). Used by one thread at a time.
#include "analytics/sdk/PropertiesNode.h"
#include "analytics/tracker/CvEventType.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace corvel::tracking {

class CvContextProperties {
public:
    // The alternatives' order is the entry kind: 0 bool, 1 integer (merged
    // as a String of its digits), 2 double, 3 string (merged through
    // SetString's checks), 4 list of strings.
    using Value = std::variant<bool, int64_t, double, std::string, std::vector<std::string>>;

    struct Entry {
        int kind;
        std::shared_ptr<const Value> value;  // shared with the registry
        std::string key;
    };

    CvContextProperties();

    // Registers key and lists it for each event type index in order. Raises
    // CvException for a key already registered ("Property[key] already
    // exist!") and for an index of 15 or more ("CvEvent[i] overflow!"), the
    // indices before the bad one staying appended.
    void setProperty(const std::string& key, Value value, const std::vector<int>& eventTypes);

    // The entries of one event type; raises for an index of 15 or more.
    const std::vector<Entry>& getEventProperties(int eventType) const;

    // Sets the entries of the slot into properties in slot order; false when
    // the slot is empty.
    bool merge(int eventType, cv_analytics::PropertiesNode& properties) const;

    // False for an empty text, true for one upper-case letter followed by up
    // to two upper-case letters or digits; raises CvException otherwise.
    static bool isValidABValue(const std::string& text);

private:
    std::unordered_map<std::string, std::shared_ptr<const Value>> m_Registry;
    std::array<std::vector<Entry>, kCvEventTypeCount> m_Slots;
};

}  // namespace corvel::tracking
