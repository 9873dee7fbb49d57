#pragma once
// A set of event or profile properties. Property sets never nest objects:
// SetObject does nothing here. Strings pass the string check first and are
// not stored when it fails.
#include "analytics/sdk/ObjectNode.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cv_analytics {

class PropertiesNode : public utils::ObjectNode {
public:
    void SetObject(const std::string& key, const utils::ObjectNode& object) override;

    // False (nothing stored) when the value fails the string check.
    bool SetString(const std::string& key, const std::string& value);
    bool SetString(const std::string& key, const char* value);
    void SetNumber(const std::string& key, int value);
    void SetNumber(const std::string& key, int64_t value);
    void SetNumber(const std::string& key, double value);
    void SetBool(const std::string& key, bool value);
    void SetDateTime(const std::string& key, int64_t seconds, int milliseconds);
    void SetList(const std::string& key, const std::vector<std::string>& values);

    // Copies every entry of other, replacing entries with equal keys.
    void Merge(const utils::ObjectNode& other);
    void Clear();
};

}  // namespace cv_analytics
