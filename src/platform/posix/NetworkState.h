#pragma once
// The connectivity flags of the network list service, worked out from what
// Linux shows in /proc/net/route, /proc/net/ipv6_route and the interface list.
#include <cstdint>
#include <string>
#include <vector>

namespace platform::posix {

struct InterfaceState {
    std::string name;
    bool up;        // IFF_UP and IFF_RUNNING
    bool loopback;  // IFF_LOOPBACK
    bool hasIpv4;
    bool hasGlobalIpv6;
};

// NLM_CONNECTIVITY values.
constexpr uint32_t kIpv4NoTraffic = 0x1;
constexpr uint32_t kIpv6NoTraffic = 0x2;
constexpr uint32_t kIpv4Subnet = 0x10;
constexpr uint32_t kIpv4Internet = 0x40;
constexpr uint32_t kIpv6Subnet = 0x100;
constexpr uint32_t kIpv6Internet = 0x400;

// routeText and ipv6RouteText are the contents of the two /proc files.
uint32_t ComputeConnectivity(const std::vector<InterfaceState>& interfaces, const std::string& routeText,
                             const std::string& ipv6RouteText);

}  // namespace platform::posix
