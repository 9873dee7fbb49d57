#include "platform/System.h"

#include "platform/posix/NetworkState.h"
#include "platform/posix/Utf8.h"

#include <dirent.h>
#include <grp.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/random.h>
#include <sys/utsname.h>
#include <unistd.h>
#include <utmpx.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace platform {

using posix::FromUtf8;
using posix::ToUtf8;

NtVersionQuery GetNtVersionNumbers(NtVersionNumbers& numbers) {
    utsname name{};
    if (::uname(&name) != 0) return NtVersionQuery::kNoFunction;
    unsigned long parts[3] = {0, 0, 0};
    const char* cursor = name.release;
    for (auto& part : parts) {
        char* end = nullptr;
        part = std::strtoul(cursor, &end, 10);
        if (end == cursor || *end != '.') {
            cursor = end;
            break;
        }
        cursor = end + 1;
    }
    numbers = {static_cast<uint32_t>(parts[0]), static_cast<uint32_t>(parts[1]), static_cast<uint32_t>(parts[2])};
    return NtVersionQuery::kOk;
}

bool IsServerR2() { return false; }

namespace {

std::string ReadText(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

struct NetworkSnapshot {
    uint32_t connectivity;
};

}  // namespace

NetworkList::NetworkList() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return;
    std::vector<posix::InterfaceState> interfaces;
    for (ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        posix::InterfaceState* state = nullptr;
        for (auto& known : interfaces)
            if (known.name == entry->ifa_name) state = &known;
        if (!state) {
            interfaces.push_back({entry->ifa_name, (entry->ifa_flags & IFF_UP) && (entry->ifa_flags & IFF_RUNNING),
                                  (entry->ifa_flags & IFF_LOOPBACK) != 0, false, false});
            state = &interfaces.back();
        }
        if (!entry->ifa_addr) continue;
        if (entry->ifa_addr->sa_family == AF_INET) state->hasIpv4 = true;
        if (entry->ifa_addr->sa_family == AF_INET6) {
            const auto* address = reinterpret_cast<const sockaddr_in6*>(entry->ifa_addr);
            if (!IN6_IS_ADDR_LINKLOCAL(&address->sin6_addr) && !IN6_IS_ADDR_LOOPBACK(&address->sin6_addr))
                state->hasGlobalIpv6 = true;
        }
    }
    ::freeifaddrs(list);
    m_Object = new NetworkSnapshot{
        posix::ComputeConnectivity(interfaces, ReadText("/proc/net/route"), ReadText("/proc/net/ipv6_route"))};
}

NetworkList::~NetworkList() { delete static_cast<NetworkSnapshot*>(m_Object); }

uint32_t NetworkList::GetConnectivity() {
    return m_Object ? static_cast<NetworkSnapshot*>(m_Object)->connectivity : 0;
}

bool NetworkList::IsConnectedToInternet() {
    return (GetConnectivity() & (posix::kIpv4Internet | posix::kIpv6Internet)) != 0;
}

ComApartment::ComApartment() = default;
ComApartment::~ComApartment() = default;

bool CreateGuid(Guid& guid) {
    uint8_t bytes[16];
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) return false;
    bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
    bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
    guid.data1 = (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
    guid.data2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
    guid.data3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
    std::memcpy(guid.data4, bytes + 8, 8);
    return true;
}

bool GetActiveConsoleUserName(std::wstring& name) {
    // The user logged in at a text console or the first graphical display;
    // without one (a build machine), the user this process runs as.
    setutxent();
    while (const utmpx* entry = getutxent()) {
        if (entry->ut_type != USER_PROCESS) continue;
        const std::string line(entry->ut_line, strnlen(entry->ut_line, sizeof entry->ut_line));
        if (line.rfind("tty", 0) == 0 || line == ":0" || line == "console") {
            name = FromUtf8(std::string(entry->ut_user, strnlen(entry->ut_user, sizeof entry->ut_user)));
            endutxent();
            return true;
        }
    }
    endutxent();
    const passwd* account = ::getpwuid(::getuid());
    if (!account) return false;
    name = FromUtf8(account->pw_name);
    return true;
}

bool IsLocalAdminAccount(const std::wstring& name) {
    const std::string user = ToUtf8(name);
    const passwd* account = ::getpwnam(user.c_str());
    if (!account) return false;
    if (account->pw_uid == 0) return true;
    for (const char* groupName : {"sudo", "wheel", "admin"}) {
        const group* entry = ::getgrnam(groupName);
        if (!entry) continue;
        if (entry->gr_gid == account->pw_gid) return true;
        for (char** member = entry->gr_mem; member && *member; ++member)
            if (user == *member) return true;
    }
    return false;
}

bool IsProcessInAdministratorsGroup() { return ::geteuid() == 0; }

bool Is64BitSystem() {
    utsname name{};
    if (::uname(&name) != 0) return sizeof(void*) == 8;
    const std::string machine = name.machine;
    return machine.find("64") != std::string::npos;
}

bool GetUserLocale(std::string& language, std::string& country) {
    const char* value = nullptr;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        value = std::getenv(variable);
        if (value && *value) break;
    }
    if (!value) return false;
    std::string locale = value;  // "zh_CN.UTF-8@euro"
    locale = locale.substr(0, locale.find_first_of(".@"));
    const size_t underscore = locale.find('_');
    if (underscore == std::string::npos || underscore == 0 || underscore + 1 == locale.size()) return false;
    language = locale.substr(0, underscore);
    country = locale.substr(underscore + 1);
    return true;
}

void GetScreenSize(int& width, int& height) {
    width = 0;
    height = 0;
}

std::optional<std::vector<ProcessEntry>> SnapshotProcesses() {
    DIR* proc = ::opendir("/proc");
    if (!proc) return std::nullopt;
    std::vector<ProcessEntry> entries;
    while (const dirent* entry = ::readdir(proc)) {
        char* end = nullptr;
        const unsigned long pid = std::strtoul(entry->d_name, &end, 10);
        if (*end != '\0' || pid == 0) continue;
        const std::string base = std::string("/proc/") + entry->d_name;
        char target[4096];
        const ssize_t length = ::readlink((base + "/exe").c_str(), target, sizeof target - 1);
        std::string path;
        if (length > 0) {
            path.assign(target, static_cast<size_t>(length));
            const std::string deleted = " (deleted)";
            if (path.size() > deleted.size() && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
                path.resize(path.size() - deleted.size());
        } else {
            // Not ours to read: fall back to the first program argument.
            path = ReadText((base + "/cmdline").c_str());
            path = path.substr(0, path.find('\0'));
        }
        if (path.empty()) continue;
        entries.push_back({static_cast<uint32_t>(pid), FromUtf8(path.substr(path.rfind('/') + 1))});
    }
    ::closedir(proc);
    return entries;
}

}  // namespace platform
