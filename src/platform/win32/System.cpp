#include "platform/System.h"

#include "platform/UniqueHandle.h"
#include "platform/win32/Win32.h"

#include <lm.h>
#include <netlistmgr.h>
#include <objbase.h>
#include <tlhelp32.h>
#include <wtsapi32.h>

namespace platform {

NtVersionQuery GetNtVersionNumbers(NtVersionNumbers& numbers) {
    HMODULE ntdll = ::LoadLibraryW(L"ntdll.dll");
    if (!ntdll) return NtVersionQuery::kNoLibrary;
    using Query = void(WINAPI*)(DWORD*, DWORD*, DWORD*);
    auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(::GetProcAddress(ntdll, "RtlGetNtVersionNumbers")));
    NtVersionQuery result = NtVersionQuery::kNoFunction;
    if (query) {
        DWORD major = 0, minor = 0, build = 0;
        query(&major, &minor, &build);
        numbers = {major, minor, build};
        result = NtVersionQuery::kOk;
    }
    ::FreeLibrary(ntdll);
    return result;
}

bool IsServerR2() { return ::GetSystemMetrics(SM_SERVERR2) != 0; }

namespace {
// The class and interface of the network list manager, spelled out so that
// no import library is needed for them.
const CLSID kNetworkListManagerClass = {0xDCB00C01, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};
const IID kNetworkListManagerInterface = {0xDCB00000, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};
}  // namespace

NetworkList::NetworkList() {
    INetworkListManager* manager = nullptr;
    if (SUCCEEDED(::CoCreateInstance(kNetworkListManagerClass, nullptr, CLSCTX_ALL, kNetworkListManagerInterface,
                                     reinterpret_cast<void**>(&manager))))
        m_Object = manager;
}

NetworkList::~NetworkList() {
    if (!m_Object) return;
    static_cast<INetworkListManager*>(m_Object)->Release();
    ::CoFreeUnusedLibraries();
}

uint32_t NetworkList::GetConnectivity() {
    NLM_CONNECTIVITY connectivity = NLM_CONNECTIVITY_DISCONNECTED;
    if (!m_Object || FAILED(static_cast<INetworkListManager*>(m_Object)->GetConnectivity(&connectivity))) return 0;
    return static_cast<uint32_t>(connectivity);
}

bool NetworkList::IsConnectedToInternet() {
    VARIANT_BOOL connected = VARIANT_FALSE;
    if (!m_Object || FAILED(static_cast<INetworkListManager*>(m_Object)->IsConnectedToInternet(&connected)))
        return false;
    return connected != VARIANT_FALSE;
}

ComApartment::ComApartment() : m_Initialized(SUCCEEDED(::CoInitialize(nullptr))) {}
ComApartment::~ComApartment() {
    if (m_Initialized) ::CoUninitialize();
}

bool CreateGuid(Guid& guid) {
    GUID created{};
    if (FAILED(::CoCreateGuid(&created))) return false;
    guid.data1 = created.Data1;
    guid.data2 = created.Data2;
    guid.data3 = created.Data3;
    for (int i = 0; i < 8; ++i) guid.data4[i] = created.Data4[i];
    return true;
}

bool GetActiveConsoleUserName(std::wstring& name) {
    const DWORD session = ::WTSGetActiveConsoleSessionId();
    LPWSTR buffer = nullptr;
    DWORD bytes = 0;
    if (!::WTSQuerySessionInformationW(WTS_CURRENT_SERVER_HANDLE, session, WTSUserName, &buffer, &bytes)) return false;
    name = buffer ? buffer : L"";
    ::WTSFreeMemory(buffer);
    return true;
}

bool IsLocalAdminAccount(const std::wstring& name) {
    LPBYTE buffer = nullptr;
    if (::NetUserGetInfo(nullptr, name.c_str(), 1, &buffer) != NERR_Success) return false;
    const bool admin = reinterpret_cast<USER_INFO_1*>(buffer)->usri1_priv == USER_PRIV_ADMIN;
    ::NetApiBufferFree(buffer);
    return admin;
}

bool IsProcessInAdministratorsGroup() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!::AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0,
                                    0, 0, &administrators))
        return false;
    BOOL member = FALSE;
    const BOOL checked = ::CheckTokenMembership(nullptr, administrators, &member);
    ::FreeSid(administrators);
    return checked && member;
}

bool Is64BitSystem() {
    using IsWow64 = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = reinterpret_cast<IsWow64>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    if (isWow64 && isWow64(::GetCurrentProcess(), &wow64)) return wow64 != FALSE;
    SYSTEM_INFO info{};
    ::GetNativeSystemInfo(&info);
    return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
           info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64;
}

bool GetUserLocale(std::string& language, std::string& country) {
    char languageBuffer[16] = {};
    char countryBuffer[16] = {};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, languageBuffer, sizeof languageBuffer) == 0 ||
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SISO3166CTRYNAME, countryBuffer, sizeof countryBuffer) == 0)
        return false;
    language = languageBuffer;
    country = countryBuffer;
    return true;
}

void GetScreenSize(int& width, int& height) {
    width = ::GetSystemMetrics(SM_CXSCREEN);
    height = ::GetSystemMetrics(SM_CYSCREEN);
}

std::optional<std::vector<ProcessEntry>> SnapshotProcesses() {
    struct SnapshotCloser {
        using Type = HANDLE;
        static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
        static void Close(Type handle) noexcept { ::CloseHandle(handle); }
    };
    UniqueHandle<SnapshotCloser> snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return std::nullopt;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    // The first entry is the system idle process and is left out.
    if (!::Process32FirstW(snapshot.Get(), &entry)) return std::nullopt;
    std::vector<ProcessEntry> entries;
    while (::Process32NextW(snapshot.Get(), &entry)) entries.push_back({entry.th32ProcessID, entry.szExeFile});
    return entries;
}

}  // namespace platform
