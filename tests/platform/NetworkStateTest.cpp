#include "platform/posix/NetworkState.h"

#include <gtest/gtest.h>

namespace {

using platform::posix::ComputeConnectivity;
using platform::posix::InterfaceState;

const std::string kRouteHeader =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
const std::string kDefaultViaEth0 = kRouteHeader + "eth0\t00000000\t0100A8C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n" +
                                    "eth0\t0000A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n";
const std::string kSubnetOnly = kRouteHeader + "eth0\t0000A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n";
const std::string kIpv6Default =
    "00000000000000000000000000000000 00 00000000000000000000000000000000 00 fe800000000000000000000000000001 "
    "00000400 00000001 00000000 00000003 eth0\n";
const std::string kIpv6Unreachable =
    "00000000000000000000000000000000 00 00000000000000000000000000000000 00 00000000000000000000000000000000 "
    "ffffffff 00000001 00000000 00200200 lo\n";

const InterfaceState kLoopback{"lo", true, true, true, true};
const InterfaceState kEth0V4{"eth0", true, false, true, false};
const InterfaceState kEth0Dual{"eth0", true, false, true, true};
const InterfaceState kEth0Down{"eth0", false, false, true, false};

struct Case {
    const char* name;
    std::vector<InterfaceState> interfaces;
    std::string routes;
    std::string ipv6Routes;
    uint32_t expected;
};

class Connectivity : public testing::TestWithParam<Case> {};

TEST_P(Connectivity, FollowsInterfacesAndDefaultRoutes) {
    EXPECT_EQ(ComputeConnectivity(GetParam().interfaces, GetParam().routes, GetParam().ipv6Routes),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Connectivity,
    testing::Values(Case{"nothing", {}, "", "", 0u},
                    Case{"loopback_only", {kLoopback}, kDefaultViaEth0, kIpv6Unreachable, 0u},
                    Case{"interface_down", {kLoopback, kEth0Down}, kDefaultViaEth0, "", 0u},
                    Case{"ipv4_internet", {kLoopback, kEth0V4}, kDefaultViaEth0, kIpv6Unreachable, 0x40u | 0x2u},
                    Case{"ipv4_subnet_only", {kLoopback, kEth0V4}, kSubnetOnly, "", 0x10u | 0x2u},
                    Case{"dual_stack_internet", {kEth0Dual}, kDefaultViaEth0, kIpv6Default, 0x40u | 0x400u},
                    Case{"ipv6_without_default_route", {kEth0Dual}, kDefaultViaEth0, kIpv6Unreachable, 0x40u | 0x100u},
                    Case{"garbled_tables", {kEth0V4}, "junk\nmore junk\n", "x y z\n", 0x10u | 0x2u}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
