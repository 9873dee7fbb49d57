#pragma once
// The process command line as a map from key to value. Each argument that
// starts with "-" and holds "=" gives the key before the first "=" and the
// value after it; any other argument is a key with an empty value. The first
// occurrence of a key wins. Keys are case-sensitive.
#include <map>
#include <optional>
#include <string>

class CommandLineArgs {
public:
    explicit CommandLineArgs(const std::wstring& commandLine);

    bool Has(const std::wstring& key) const { return m_Values.count(key) != 0; }

    // The readers are called for keys that are present; a missing key reads
    // as an empty value.
    std::wstring GetString(const std::wstring& key) const;
    // A base-10 integer as std::stoi reads it (blanks, a sign, digits up to
    // the first other character); 0 when no number stands in front;
    // nullopt when the number does not fit in 32 bits.
    std::optional<int> GetInt(const std::wstring& key) const;
    // True exactly for the value "true".
    bool GetBool(const std::wstring& key) const;
    // A decimal number as std::stod reads it; not-a-number when no number
    // stands in front or it is not a finite double.
    double GetDouble(const std::wstring& key) const;

    const std::map<std::wstring, std::wstring>& Values() const { return m_Values; }

private:
    std::map<std::wstring, std::wstring> m_Values;
};

// The conversions of the readers, for other texts read the same way.
std::optional<int> ParseLeadingInt(const std::wstring& text);
struct LeadingDouble {
    enum Kind { kNoNumber, kOutOfRange, kNumber } kind;
    double value;  // set for kNumber
};
// The longest number at the start of text (std::wcstod); a value beyond the
// range of a double, infinity and not-a-number count as out of range.
LeadingDouble ParseLeadingDouble(const std::wstring& text);
