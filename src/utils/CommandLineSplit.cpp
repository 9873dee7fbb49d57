#include "utils/CommandLineSplit.h"

namespace Utils {

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
}  // namespace

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine) {
    std::vector<std::wstring> arguments;
    if (commandLine.empty()) return arguments;

    const size_t size = commandLine.size();
    size_t i = 0;
    std::wstring program;
    if (commandLine[0] == L'"') {
        for (i = 1; i < size && commandLine[i] != L'"'; ++i) program.push_back(commandLine[i]);
        if (i < size) ++i;  // the closing quote
    } else {
        for (; i < size && !IsBlank(commandLine[i]); ++i) program.push_back(commandLine[i]);
    }
    arguments.push_back(std::move(program));
    while (i < size && IsBlank(commandLine[i])) ++i;
    if (i == size) return arguments;

    std::wstring current;
    size_t backslashes = 0;
    int quotes = 0;  // 1 inside a quoted run
    while (i < size) {
        const wchar_t c = commandLine[i];
        if (IsBlank(c) && quotes == 0) {
            arguments.push_back(std::move(current));
            current.clear();
            backslashes = 0;
            while (i < size && IsBlank(commandLine[i])) ++i;
            if (i == size) return arguments;  // trailing blanks start no argument
            continue;
        }
        if (c == L'\\') {
            current.push_back(c);
            ++backslashes;
            ++i;
            continue;
        }
        if (c == L'"') {
            if (backslashes % 2 == 0) {
                // 2n backslashes: n stay, the quote opens or closes a run.
                current.resize(current.size() - backslashes / 2);
                ++quotes;
            } else {
                // 2n+1 backslashes: n stay, the quote is literal.
                current.resize(current.size() - backslashes / 2 - 1);
                current.push_back(L'"');
            }
            backslashes = 0;
            ++i;
            // A run of quotes: every third one is literal.
            while (i < size && commandLine[i] == L'"') {
                if (++quotes == 3) {
                    current.push_back(L'"');
                    quotes = 0;
                }
                ++i;
            }
            if (quotes == 2) quotes = 0;
            continue;
        }
        current.push_back(c);
        backslashes = 0;
        ++i;
    }
    arguments.push_back(std::move(current));
    return arguments;
}

}  // namespace Utils
