#include "platform/Environment.h"

#include "platform/posix/Utf8.h"

#include <stdlib.h>

namespace platform {

std::wstring ReadEnvironmentVariable(const std::wstring& name) {
    const char* value = ::getenv(posix::ToUtf8(name).c_str());
    return value ? posix::FromUtf8(value) : std::wstring();
}

void WriteEnvironmentVariable(const std::wstring& name, const std::wstring& value) {
    if (value.empty()) ::unsetenv(posix::ToUtf8(name).c_str());
    else ::setenv(posix::ToUtf8(name).c_str(), posix::ToUtf8(value).c_str(), 1);
}

}  // namespace platform
