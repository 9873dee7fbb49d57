#include "platform/CommandLine.h"

#include "platform/win32/Win32.h"

#include <shellapi.h>

namespace platform {

std::wstring GetProcessCommandLine() { return ::GetCommandLineW(); }

std::optional<std::vector<std::wstring>> SystemSplitCommandLine(const std::wstring& commandLine) {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(commandLine.c_str(), &count);
    if (!arguments) return std::nullopt;
    std::vector<std::wstring> result(arguments, arguments + count);
    ::LocalFree(arguments);
    return result;
}

}  // namespace platform
