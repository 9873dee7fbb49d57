#pragma once
#include <cstdint>
#include <string>

namespace Utils {

// The version label for kernel version numbers: "XP-", "2K", "XP",
// "Server 2003", "Server 2003 R2", "XP+", "Vista", "7", "8", "8.1", "8.1+",
// "10", "10+", or "major.minor.build" for a major version the table lacks.
// Only the low 16 bits of build count (the high bits carry flags).
std::wstring WindowsVersionLabel(uint32_t major, uint32_t minor, uint32_t build, bool isServerR2);

// systemName is always "Windows"; versionLabel comes from the kernel's
// numbers ("XP-" when they cannot be read at all).
void GetWindowsVersion(std::wstring& systemName, std::wstring& versionLabel);

}  // namespace Utils
