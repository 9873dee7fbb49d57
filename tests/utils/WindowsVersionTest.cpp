#include "utils/WindowsVersion.h"

#include "utils/Text.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    uint32_t major;
    uint32_t minor;
    uint32_t build;
    bool serverR2;
    const wchar_t* label;
};

class VersionLabel : public testing::TestWithParam<Case> {};

TEST_P(VersionLabel, MatchesTheTable) {
    const Case& c = GetParam();
    EXPECT_EQ(Utils::WindowsVersionLabel(c.major, c.minor, c.build, c.serverR2), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VersionLabel,
    testing::Values(Case{0, 0, 0, false, L"XP-"}, Case{3, 51, 0, false, L"XP-"}, Case{4, 9, 1381, false, L"XP-"},
                    Case{5, 0, 2195, false, L"2K"}, Case{5, 1, 2600, false, L"XP"},
                    Case{5, 2, 3790, false, L"Server 2003"}, Case{5, 2, 3790, true, L"Server 2003 R2"},
                    Case{5, 3, 0, false, L"XP+"}, Case{5, 9, 0, false, L"XP+"}, Case{6, 0, 6002, false, L"Vista"},
                    Case{6, 1, 7601, false, L"7"}, Case{6, 2, 9200, false, L"8"}, Case{6, 3, 9600, false, L"8.1"},
                    Case{6, 4, 9841, false, L"8.1+"}, Case{10, 0, 19045, false, L"10"},
                    Case{10, 0, 22631, false, L"10"}, Case{10, 1, 0, false, L"10+"},
                    Case{11, 0, 22000, false, L"11.0.22000"}, Case{7, 2, 5, false, L"7.2.5"},
                    Case{12, 1, 30000, false, L"12.1.30000"},
                    // The high bits of the build number carry flags.
                    Case{12, 1, 0xF0004E20u, false, L"12.1.20000"}),
    [](const testing::TestParamInfo<Case>& info) {
        return std::to_string(info.param.major) + "_" + std::to_string(info.param.minor) + "_" +
               std::to_string(info.param.build & 0xFFFF) + (info.param.serverR2 ? "_r2" : "");
    });

TEST(GetWindowsVersion, NamesWindowsAndGivesALabel) {
    std::wstring name, label;
    Utils::GetWindowsVersion(name, label);
    EXPECT_EQ(name, L"Windows");
    EXPECT_FALSE(label.empty());
}

}  // namespace
