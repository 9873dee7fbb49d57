#include "utils/WindowsVersion.h"

#include "platform/System.h"

namespace Utils {

std::wstring WindowsVersionLabel(uint32_t major, uint32_t minor, uint32_t build, bool isServerR2) {
    build &= 0xFFFF;
    switch (major) {
        case 0: case 1: case 2: case 3: case 4:
            return L"XP-";
        case 5:
            if (minor == 0) return L"2K";
            if (minor == 1) return L"XP";
            if (minor == 2) return isServerR2 ? L"Server 2003 R2" : L"Server 2003";
            return L"XP+";
        case 6:
            if (minor == 0) return L"Vista";
            if (minor == 1) return L"7";
            if (minor == 2) return L"8";
            if (minor == 3) return L"8.1";
            return L"8.1+";
        case 10:
            return minor == 0 ? L"10" : L"10+";
        default:
            return std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." + std::to_wstring(build);
    }
}

void GetWindowsVersion(std::wstring& systemName, std::wstring& versionLabel) {
    systemName = L"Windows";
    platform::NtVersionNumbers numbers{0, 0, 0};
    if (platform::GetNtVersionNumbers(numbers) == platform::NtVersionQuery::kNoLibrary) {
        versionLabel = L"XP-";
        return;
    }
    // A missing function leaves all three numbers at 0.
    versionLabel = WindowsVersionLabel(numbers.major, numbers.minor, numbers.build,
                                       numbers.major == 5 && numbers.minor == 2 && platform::IsServerR2());
}

}  // namespace Utils
