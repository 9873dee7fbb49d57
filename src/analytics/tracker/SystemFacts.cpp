#include "analytics/tracker/SystemFacts.h"

#include "platform/System.h"

namespace corvel::tracking {

std::string OsVersionText(uint32_t major, uint32_t minor, uint32_t build, bool is64Bit, bool isServerR2) {
    build &= 0xFFFF;
    switch (major) {
        case 5:
            if (minor == 0) return "2K";
            if (minor == 1) return "XP";
            if (minor == 2) return is64Bit ? "XP64" : isServerR2 ? "Server 2003 R2" : "Server 2003";
            return "XP+";
        case 6:
            if (minor == 0) return is64Bit ? "Vista64" : "Vista";
            if (minor == 1) return is64Bit ? "7" : "7-32";
            if (minor == 2) return is64Bit ? "8" : "8-32";
            if (minor == 3) return "8.1";
            return "8.1+";
        case 10:
            if (minor != 0) return "11+";
            return build < 22000 ? "10" : "11";
        default:
            if (major <= 4) return "XP-";
            return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(build);
    }
}

std::string UserAgent(const std::string& versionText, bool is64Bit) {
    return "Mozilla/5.0(Windows " + versionText + "; Win" + (is64Bit ? "64;)" : "32;)");
}

std::string CurrentOsVersionText() {
    platform::NtVersionNumbers numbers{0, 0, 0};
    if (platform::GetNtVersionNumbers(numbers) != platform::NtVersionQuery::kOk) return "XP-";
    return OsVersionText(numbers.major, numbers.minor, numbers.build, platform::Is64BitSystem(),
                         numbers.major == 5 && numbers.minor == 2 && platform::IsServerR2());
}

LocaleFacts ResolveLocale(const std::string& localeOverride) {
    const size_t underscore = localeOverride.find('_');
    if (underscore != std::string::npos && underscore > 0)
        return {localeOverride, localeOverride.substr(0, underscore), localeOverride.substr(underscore + 1)};
    std::string language, country;
    if (!platform::GetUserLocale(language, country)) return {};
    return {language + "_" + country, language, country};
}

}  // namespace corvel::tracking
