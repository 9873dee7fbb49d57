#include "platform/posix/NetworkState.h"

#include <cstdlib>
#include <sstream>

namespace platform::posix {

namespace {

const InterfaceState* FindUsable(const std::vector<InterfaceState>& interfaces, const std::string& name) {
    for (const auto& candidate : interfaces)
        if (candidate.name == name && candidate.up && !candidate.loopback) return &candidate;
    return nullptr;
}

// /proc/net/route: "Iface Destination Gateway Flags ..." with hexadecimal
// fields; a default route has destination and mask 0 and the up flag (1).
bool HasIpv4DefaultRoute(const std::vector<InterfaceState>& interfaces, const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);  // header
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string iface, destination, gateway, flags, refCnt, use, metric, mask;
        if (!(fields >> iface >> destination >> gateway >> flags >> refCnt >> use >> metric >> mask)) continue;
        const unsigned long flagBits = std::strtoul(flags.c_str(), nullptr, 16);
        if (destination == "00000000" && mask == "00000000" && (flagBits & 1u) && FindUsable(interfaces, iface))
            return true;
    }
    return false;
}

// /proc/net/ipv6_route: destination (32 hex digits), prefix length, ...,
// flags (field 9) and the interface name (field 10).
bool HasIpv6DefaultRoute(const std::vector<InterfaceState>& interfaces, const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string destination, prefix, source, sourcePrefix, nextHop, metric, refCnt, use, flags, iface;
        if (!(fields >> destination >> prefix >> source >> sourcePrefix >> nextHop >> metric >> refCnt >> use >> flags >>
              iface))
            continue;
        const unsigned long flagBits = std::strtoul(flags.c_str(), nullptr, 16);
        const bool reject = (flagBits & 0x0200u) != 0;  // RTF_REJECT: unreachable routes
        if (destination == std::string(32, '0') && prefix == "00" && (flagBits & 1u) && !reject &&
            FindUsable(interfaces, iface))
            return true;
    }
    return false;
}

}  // namespace

uint32_t ComputeConnectivity(const std::vector<InterfaceState>& interfaces, const std::string& routeText,
                             const std::string& ipv6RouteText) {
    bool anyUp = false, ipv4 = false, ipv6 = false;
    for (const auto& candidate : interfaces) {
        if (!candidate.up || candidate.loopback) continue;
        anyUp = true;
        ipv4 = ipv4 || candidate.hasIpv4;
        ipv6 = ipv6 || candidate.hasGlobalIpv6;
    }
    if (!anyUp) return 0;
    uint32_t flags = 0;
    if (ipv4) flags |= HasIpv4DefaultRoute(interfaces, routeText) ? kIpv4Internet : kIpv4Subnet;
    else flags |= kIpv4NoTraffic;
    if (ipv6) flags |= HasIpv6DefaultRoute(interfaces, ipv6RouteText) ? kIpv6Internet : kIpv6Subnet;
    else flags |= kIpv6NoTraffic;
    return flags;
}

}  // namespace platform::posix
