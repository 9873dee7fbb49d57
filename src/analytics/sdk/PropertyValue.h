#pragma once
// The value kinds of analytics properties and records, and their JSON forms.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace utils {

class ObjectNode;

class PropertyValue {
public:
    // The kind codes, in their fixed order.
    enum class Kind { kNumber = 0, kInt = 1, kString = 2, kList = 3, kDateTime = 4, kBool = 5, kObject = 6 };

    static PropertyValue Number(double value);
    static PropertyValue Int(int64_t value);
    static PropertyValue String(std::string value);
    static PropertyValue List(std::vector<std::string> values);
    // Seconds since 1970-01-01 UTC and milliseconds; written in local time.
    static PropertyValue DateTime(int64_t seconds, int milliseconds);
    static PropertyValue Bool(bool value);
    static PropertyValue Object(const ObjectNode& object);

    PropertyValue(const PropertyValue& other);
    PropertyValue& operator=(const PropertyValue& other);
    PropertyValue(PropertyValue&&) noexcept;
    PropertyValue& operator=(PropertyValue&&) noexcept;
    ~PropertyValue();

    Kind GetKind() const { return m_Kind; }
    double GetNumber() const { return m_Number; }
    int64_t GetInt() const { return m_Int; }  // also the seconds of a DateTime
    const std::string& GetString() const { return m_String; }
    const std::vector<std::string>& GetList() const { return m_List; }
    int GetMilliseconds() const { return m_Milliseconds; }
    bool GetBool() const { return m_Bool; }
    const ObjectNode* GetObject() const { return m_Object.get(); }

    // Appends the value's JSON text.
    void AppendJson(std::string& out) const;

private:
    explicit PropertyValue(Kind kind) : m_Kind(kind) {}

    Kind m_Kind;
    double m_Number = 0.0;
    int64_t m_Int = 0;
    std::string m_String;
    std::vector<std::string> m_List;
    int m_Milliseconds = 0;
    bool m_Bool = false;
    std::unique_ptr<ObjectNode> m_Object;
};

// A JSON string: the text in double quotes with \b \t \n \f \r \" \\ escaped;
// every other byte (multi-byte UTF-8 included) is copied unchanged.
void AppendJsonString(std::string& out, std::string_view text);

// A double as a default-formatted output stream writes it: general notation
// with 6 significant digits (0.1, 0.666667, 1e+08).
std::string FormatJsonNumber(double value);

}  // namespace utils
