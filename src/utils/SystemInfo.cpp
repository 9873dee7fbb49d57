#include "utils/SystemInfo.h"

#include "platform/FileSystem.h"
#include "utils/Log.h"

#include <fmt/printf.h>
#include <fmt/xchar.h>

namespace Utils {

uint32_t CheckNetwork() {
    platform::NetworkList manager;
    if (!manager.Valid()) return 0;
    uint32_t reason = kNetworkReasonNone;
    const uint32_t flags = manager.GetConnectivity();
    if (flags == 0) {
        UTILS_LOG(L"GetConnectivity %d", flags);
        reason = kNetworkReasonDisconnected;
    } else {
        const bool connected = manager.IsConnectedToInternet();
        if (!connected) {
            UTILS_LOG(L"get_IsConnectedToInternet:%d", 0);
            reason = kNetworkReasonNoInternet;
        }
    }
    return PackNetworkState(reason, flags);
}

bool HardDiskManager::CheckFreeSpace(const std::wstring& directory) {
    platform::DiskSpace space{m_FreeBytesAvailable, m_TotalBytes, m_TotalFreeBytes};
    uint32_t errorCode = 0;
    if (!platform::QueryDiskFreeSpace(directory, space, errorCode)) {
        UTILS_LOG(L"HardDiskManager::CheckFreeSpace FAIL code=%ld\r\n", static_cast<long>(errorCode));
        return false;
    }
    m_FreeBytesAvailable = space.freeBytesAvailable;
    m_TotalBytes = space.totalBytes;
    m_TotalFreeBytes = space.totalFreeBytes;
    return true;
}

std::wstring FormatGuid(const platform::Guid& guid) {
    return fmt::sprintf(L"%08X%04X%04x%02X%02X%02X%02X%02X%02X%02X%02X", guid.data1, guid.data2, guid.data3,
                        guid.data4[0], guid.data4[1], guid.data4[2], guid.data4[3], guid.data4[4], guid.data4[5],
                        guid.data4[6], guid.data4[7]);
}

std::wstring CreateGuidString() {
    platform::Guid guid{};
    if (!platform::CreateGuid(guid)) return {};
    return FormatGuid(guid);
}

std::wstring GetTempDownloadFolder() {
    const std::wstring temp = platform::GetTempFolder();
    if (temp.empty()) return {};
    std::wstring folder = temp + L"~CorvelTemp.92482B06FB471E17";
    folder.push_back(platform::kPathSeparator);
    if (platform::PathExists(folder)) return folder;
    return platform::CreateOneDirectory(folder) ? folder : std::wstring();
}

bool CreateDirectories(const std::wstring& path) {
    if (path.size() > kMaxDirectoryPath) return false;
    auto ensure = [](const std::wstring& prefix) {
        return platform::PathExists(prefix) || platform::CreateOneDirectory(prefix);
    };
    for (size_t i = 0; i < path.size(); ++i) {
        // Each prefix that ends just after a separator: "C:\", "C:\a\", ...
        if (platform::IsPathSeparator(path[i]) && !ensure(path.substr(0, i + 1))) return false;
    }
    if (!path.empty() && !platform::IsPathSeparator(path.back()) && !ensure(path)) return false;
    return true;
}

bool GetActiveConsoleUserName(std::wstring& name) { return platform::GetActiveConsoleUserName(name); }

bool IsAdminAccount(const std::wstring& name) { return platform::IsLocalAdminAccount(name); }

bool IsRunAsAdmin() { return platform::IsProcessInAdministratorsGroup(); }

}  // namespace Utils

uint32_t IsProcessRunning(const std::wstring& exeName) {
    const auto processes = platform::SnapshotProcesses();
    if (!processes) return 0;
    for (const auto& entry : *processes)
        if (entry.exeName == exeName) return entry.processId;
    return 0;
}
