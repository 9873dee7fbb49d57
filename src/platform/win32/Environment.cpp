#include "platform/Environment.h"

#include "platform/win32/Win32.h"

#include <vector>

namespace platform {

std::wstring ReadEnvironmentVariable(const std::wstring& name) {
    const DWORD needed = ::GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (needed == 0) return {};
    std::vector<wchar_t> buffer(needed);
    const DWORD length = ::GetEnvironmentVariableW(name.c_str(), buffer.data(), needed);
    return length < needed ? std::wstring(buffer.data(), length) : std::wstring();
}

void WriteEnvironmentVariable(const std::wstring& name, const std::wstring& value) {
    ::SetEnvironmentVariableW(name.c_str(), value.empty() ? nullptr : value.c_str());
}

}  // namespace platform
