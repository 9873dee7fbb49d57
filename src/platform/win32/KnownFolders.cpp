#include "platform/KnownFolders.h"

#include "platform/win32/Win32.h"

#include <shlobj.h>

#include <vector>

namespace platform {

namespace {
std::wstring SpecialFolder(int csidl) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list) return {};
    wchar_t path[MAX_PATH] = {};
    const bool found = ::SHGetPathFromIDListW(list, path) != FALSE;
    ::CoTaskMemFree(list);
    return found ? std::wstring(path) : std::wstring();
}
}  // namespace

std::wstring GetLocalAppDataFolder() { return SpecialFolder(CSIDL_LOCAL_APPDATA); }

std::wstring GetCommonDocumentsFolder() { return SpecialFolder(CSIDL_COMMON_DOCUMENTS); }

std::wstring GetShortPath(const std::wstring& path) {
    const DWORD needed = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0) return path;
    std::vector<wchar_t> buffer(needed);
    const DWORD length = ::GetShortPathNameW(path.c_str(), buffer.data(), needed);
    return length > 0 && length < needed ? std::wstring(buffer.data(), length) : path;
}

}  // namespace platform
