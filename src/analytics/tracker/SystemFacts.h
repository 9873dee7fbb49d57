#pragma once
// The operating-system facts the tracker reports: "$os_version" and
// "$user_agent".
#include <cstdint>
#include <string>

namespace corvel::tracking {

// The version text for kernel numbers (only the low 16 bits of build
// count): "2K", "XP", "XP64", "Server 2003", "Server 2003 R2", "XP+",
// "Vista", "Vista64", "7", "7-32", "8", "8-32", "8.1", "8.1+", "10", "11",
// "11+", "major.minor.build" for other majors above 4, "XP-" otherwise.
std::string OsVersionText(uint32_t major, uint32_t minor, uint32_t build, bool is64Bit, bool isServerR2);

// "Mozilla/5.0(Windows <version>; Win64;)" or "...; Win32;)".
std::string UserAgent(const std::string& versionText, bool is64Bit);

// The version text of this system ("XP-" when the kernel numbers cannot be
// read) and whether it is 64-bit.
std::string CurrentOsVersionText();

struct LocaleFacts {
    std::string locale;    // language + "_" + country
    std::string language;
    std::string country;
};
// The override when it splits at its first "_" into a non-empty language
// and a country; otherwise the user's system locale; all empty when that
// is unknown.
LocaleFacts ResolveLocale(const std::string& localeOverride);

}  // namespace corvel::tracking
