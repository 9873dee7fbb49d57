#pragma once
// Windows initialisation ("profile") files, read as GetPrivateProfileStringW
// and GetPrivateProfileIntW read them: section and key names compared
// without regard to case, the file in ANSI or UTF-16 with a byte-order mark.
#include <cstdint>
#include <string>

namespace platform {

// The value of key in section, or defaultValue when the file, the section or
// the key is missing. At most bufferChars - 1 characters are returned.
std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key,
                              const std::wstring& defaultValue, const std::wstring& path,
                              uint32_t bufferChars);

// The value read as an integer, defaultValue when the key is missing or empty.
uint32_t ReadProfileInt(const std::wstring& section, const std::wstring& key, int defaultValue,
                       const std::wstring& path);

// Sets key in section (WritePrivateProfileStringW): an existing key is
// replaced in place, a new one goes at the end of its section, a missing
// section is appended, a missing file is created. Other lines stay as they
// were. False when the file cannot be written.
bool WriteProfileEntry(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                        const std::wstring& path);

}  // namespace platform
