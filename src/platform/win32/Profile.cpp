#include "platform/Profile.h"

#include "platform/win32/Win32.h"

#include <vector>

namespace platform {

std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& defaultValue,
                              const std::wstring& path, uint32_t bufferChars) {
    if (bufferChars == 0) return {};
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    const DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                                    bufferChars, path.c_str());
    return std::wstring(buffer.data(), length);
}

uint32_t ReadProfileInt(const std::wstring& section, const std::wstring& key, int defaultValue,
                       const std::wstring& path) {
    return ::GetPrivateProfileIntW(section.c_str(), key.c_str(), defaultValue, path.c_str());
}

bool WriteProfileEntry(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                        const std::wstring& path) {
    return ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

}  // namespace platform
