#pragma once
#include <string>

namespace platform {

// The user's local application data folder (CSIDL_LOCAL_APPDATA). POSIX:
// $XDG_DATA_HOME, else $HOME/.local/share. Empty when unknown.
std::wstring GetLocalAppDataFolder();
// The all-users documents folder (CSIDL_COMMON_DOCUMENTS). POSIX: the same
// as GetLocalAppDataFolder.
std::wstring GetCommonDocumentsFolder();
// The short (8.3) form of an existing path (GetShortPathNameW); the path
// itself where there is no short form or the call fails.
std::wstring GetShortPath(const std::wstring& path);

}  // namespace platform
