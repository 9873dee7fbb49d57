#pragma once
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The process command line as one text (GetCommandLineW). POSIX rebuilds it
// from the program arguments, quoted so that the Windows splitting rules
// give the same arguments back.
std::wstring GetProcessCommandLine();

// The system's own splitting of a command line (CommandLineToArgvW), where
// there is one; nullopt elsewhere. Tests compare the portable splitter with it.
std::optional<std::vector<std::wstring>> SystemSplitCommandLine(const std::wstring& commandLine);

}  // namespace platform
