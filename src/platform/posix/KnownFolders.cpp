#include "platform/KnownFolders.h"

#include "platform/posix/Utf8.h"

#include <cstdlib>

namespace platform {

std::wstring GetLocalAppDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return posix::FromUtf8(data);
    if (const char* home = std::getenv("HOME"); home && *home) return posix::FromUtf8(std::string(home) + "/.local/share");
    return {};
}

std::wstring GetCommonDocumentsFolder() { return GetLocalAppDataFolder(); }

std::wstring GetShortPath(const std::wstring& path) { return path; }

}  // namespace platform
