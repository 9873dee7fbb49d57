#pragma once
#include <string>
#include <vector>

namespace Utils {

// Splits a command line into arguments by the rules of CommandLineToArgvW:
// - the first argument (the program) ends at the next blank, or, when it
//   starts with a quote, at the next quote, with no escapes;
// - after it, blanks and tabs separate arguments outside quotes; 2n
//   backslashes before a quote give n backslashes and the quote groups,
//   2n+1 give n backslashes and a literal quote; other backslashes stay;
//   within quotes, "" gives a literal quote.
// An empty line gives no arguments (the system would give the program path).
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine);

}  // namespace Utils
