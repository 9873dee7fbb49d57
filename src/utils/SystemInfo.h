#pragma once
// Independent queries about the machine, its processes and the user. None
// keeps state between calls, none throws, and any thread may call them.
#include "platform/System.h"

#include <cstdint>
#include <string>

namespace Utils {

// Network state packed into one value: bits 0 to 15 the connectivity flags
// of the network list service (0 = disconnected), bits 16 to 31 a reason:
// 0 connected to the internet or service unavailable, 1 no connectivity at
// all, 2 connectivity without internet. Above 0xFFFF means a poor network.
constexpr uint32_t kNetworkReasonNone = 0;
constexpr uint32_t kNetworkReasonDisconnected = 1;
constexpr uint32_t kNetworkReasonNoInternet = 2;
constexpr uint32_t PackNetworkState(uint32_t reason, uint32_t flags) { return reason * 65536u + (flags & 0xFFFFu); }

// Needs COM on the calling thread (platform::ComApartment); without it, or
// without the service, the answer is 0 and the installation goes ahead.
uint32_t CheckNetwork();

class HardDiskManager {
public:
    virtual ~HardDiskManager() = default;

    // Fills the three fields for the volume of directory (callers pass a
    // drive such as "C:"). On failure traces the error code, returns false
    // and leaves the fields as they were.
    bool CheckFreeSpace(const std::wstring& directory);

    uint64_t m_FreeBytesAvailable = 0;
    uint64_t m_TotalBytes = 0;
    uint64_t m_TotalFreeBytes = 0;
};

// A new 32-digit identifier: the GUID's first field, second field and last
// eight bytes in upper-case hexadecimal, its third field in lower case.
// Empty when no GUID can be made.
std::wstring CreateGuidString();
std::wstring FormatGuid(const platform::Guid& guid);

// The installer's private folder under the user's temporary folder, ending
// with a separator; created (one level) when missing; empty when it cannot
// be created.
std::wstring GetTempDownloadFolder();

// Creates path and every missing parent. False for a path over 260
// characters (without touching the disk) and at the first folder that
// cannot be created.
constexpr size_t kMaxDirectoryPath = 260;
bool CreateDirectories(const std::wstring& path);

// The user name of the active console session; false (name untouched) on
// failure.
bool GetActiveConsoleUserName(std::wstring& name);
// True when the local account name has administrator privilege.
bool IsAdminAccount(const std::wstring& name);
// True when this process runs as a member of the Administrators group.
bool IsRunAsAdmin();

}  // namespace Utils

// The id of the first process whose executable file name equals exeName
// exactly (case-sensitive); 0 when none, or when the process list cannot be
// read.
uint32_t IsProcessRunning(const std::wstring& exeName);
