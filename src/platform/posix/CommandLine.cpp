#include "platform/CommandLine.h"

#include "platform/posix/Utf8.h"

#include <fstream>
#include <iterator>

namespace platform {

namespace {

// The program path: quoted when it holds a blank; it cannot carry quotes.
std::wstring QuoteProgram(const std::wstring& program) {
    if (!program.empty() && program.find_first_of(L" \t") == std::wstring::npos) return program;
    return L"\"" + program + L"\"";
}

// An argument quoted so that the Windows splitting rules give it back.
std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') quoted.append(backslashes * 2 + 1, L'\\');
        else quoted.append(backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, L'\\');
    quoted.push_back(L'"');
    return quoted;
}

}  // namespace

std::wstring GetProcessCommandLine() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::wstring line;
    size_t start = 0;
    bool first = true;
    while (start < bytes.size()) {
        size_t end = bytes.find('\0', start);
        if (end == std::string::npos) end = bytes.size();
        const std::wstring argument = posix::FromUtf8(std::string_view(bytes).substr(start, end - start));
        if (!first) line.push_back(L' ');
        line += first ? QuoteProgram(argument) : QuoteArgument(argument);
        first = false;
        start = end + 1;
    }
    return line;
}

std::optional<std::vector<std::wstring>> SystemSplitCommandLine(const std::wstring&) { return std::nullopt; }

}  // namespace platform
