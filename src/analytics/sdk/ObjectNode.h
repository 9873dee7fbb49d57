#pragma once
// An ordered map from key to PropertyValue with its JSON form
// "{"key":value,...}". Keys are ordered by plain byte comparison (so "$"
// keys sort before upper-case ones, "_" and lower-case ones); setting an
// existing key replaces its value. No spaces are written anywhere.
#include "analytics/sdk/PropertyValue.h"

#include <map>
#include <string>

namespace utils {

class ObjectNode {
public:
    using Entries = std::map<std::string, PropertyValue>;

    ObjectNode() = default;
    ObjectNode(const ObjectNode&) = default;
    ObjectNode& operator=(const ObjectNode&) = default;
    virtual ~ObjectNode() = default;

    // Stores a nested Object value.
    virtual void SetObject(const std::string& key, const ObjectNode& object);

    // Stores value under key, replacing an existing entry.
    void SetValue(const std::string& key, PropertyValue value);
    const PropertyValue* Find(const std::string& key) const;
    bool Remove(const std::string& key);
    bool Empty() const { return m_Entries.empty(); }
    size_t Size() const { return m_Entries.size(); }
    const Entries& GetEntries() const { return m_Entries; }

    std::string ToJson() const;
    void AppendJson(std::string& out) const;

protected:
    Entries m_Entries;
};

}  // namespace utils
