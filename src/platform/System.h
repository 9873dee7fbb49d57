#pragma once
// Facts about the machine and the user that the system queries of Utils
// build on.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct NtVersionNumbers {
    uint32_t major;
    uint32_t minor;
    uint32_t build;  // as the kernel reports it, flags in the high bits included
};
enum class NtVersionQuery { kNoLibrary, kNoFunction, kOk };
// Windows: RtlGetNtVersionNumbers from ntdll.dll. POSIX: the kernel release
// numbers (uname), as the nearest equivalent.
NtVersionQuery GetNtVersionNumbers(NtVersionNumbers& numbers);
// GetSystemMetrics(SM_SERVERR2) != 0; false on POSIX.
bool IsServerR2();

// The network list service (INetworkListManager). Valid() is false when the
// service object could not be created (on Windows: no COM on this thread).
// POSIX answers from the routing tables and interfaces.
class NetworkList {
public:
    NetworkList();
    ~NetworkList();  // releases the object, then CoFreeUnusedLibraries
    NetworkList(const NetworkList&) = delete;
    NetworkList& operator=(const NetworkList&) = delete;

    bool Valid() const { return m_Object != nullptr; }
    // NLM_CONNECTIVITY flags; 0 on failure.
    uint32_t GetConnectivity();
    // get_IsConnectedToInternet; false on failure.
    bool IsConnectedToInternet();

private:
    void* m_Object = nullptr;
};

// CoInitialize for the lifetime of the object, CoUninitialize after it
// (when the initialisation succeeded). Nothing on POSIX.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_Initialized = false;
};

struct Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
// CoCreateGuid; POSIX: a random (version 4) identifier from the kernel.
bool CreateGuid(Guid& guid);

// The user name of the session at the physical console.
bool GetActiveConsoleUserName(std::wstring& name);
// True when the local account name has administrator privilege.
bool IsLocalAdminAccount(const std::wstring& name);
// True when this process's token is a member of the Administrators group
// (POSIX: the effective user is root).
bool IsProcessInAdministratorsGroup();

// True on a 64-bit system (IsWow64Process, else the native processor
// architecture). POSIX: the kernel's machine name says 64 bits.
bool Is64BitSystem();

// The user's language and country codes (GetLocaleInfo ISO 639 and ISO
// 3166 names, e.g. "zh" and "CN"). POSIX: from LC_ALL, LC_MESSAGES or LANG
// ("zh_CN.UTF-8"). False when either is unknown.
bool GetUserLocale(std::string& language, std::string& country);

// The primary screen's size in pixels (GetSystemMetrics SM_CXSCREEN and
// SM_CYSCREEN); 0 and 0 where there is no screen (POSIX).
void GetScreenSize(int& width, int& height);

struct ProcessEntry {
    uint32_t processId;
    std::wstring exeName;  // executable file name without folder
};
// A snapshot of the running processes, the system idle process left out.
// nullopt when the snapshot cannot be taken.
std::optional<std::vector<ProcessEntry>> SnapshotProcesses();

}  // namespace platform
