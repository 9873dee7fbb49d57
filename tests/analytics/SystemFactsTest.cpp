#include "analytics/tracker/SystemFacts.h"

#include <gtest/gtest.h>

namespace {

using corvel::tracking::OsVersionText;

struct Case {
    uint32_t major, minor, build;
    bool is64, serverR2;
    const char* text;
};

class OsVersion : public testing::TestWithParam<Case> {};

TEST_P(OsVersion, MatchesTheTable) {
    const Case& c = GetParam();
    EXPECT_EQ(OsVersionText(c.major, c.minor, c.build, c.is64, c.serverR2), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OsVersion,
    testing::Values(Case{4, 0, 0, false, false, "XP-"}, Case{5, 0, 0, false, false, "2K"},
                    Case{5, 1, 0, false, false, "XP"}, Case{5, 2, 0, true, true, "XP64"},
                    Case{5, 2, 0, false, true, "Server 2003 R2"}, Case{5, 2, 0, false, false, "Server 2003"},
                    Case{5, 3, 0, false, false, "XP+"}, Case{6, 0, 0, true, false, "Vista64"},
                    Case{6, 0, 0, false, false, "Vista"}, Case{6, 1, 7601, true, false, "7"},
                    Case{6, 1, 7601, false, false, "7-32"}, Case{6, 2, 0, true, false, "8"},
                    Case{6, 2, 0, false, false, "8-32"}, Case{6, 3, 0, false, false, "8.1"},
                    Case{6, 4, 0, false, false, "8.1+"}, Case{10, 0, 19045, true, false, "10"},
                    Case{10, 0, 21999, true, false, "10"}, Case{10, 0, 22000, true, false, "11"},
                    Case{10, 0, 0xC0005A3B, true, false, "11"},  // flags in the high bits of 22587
                    Case{10, 1, 0, true, false, "11+"}, Case{12, 3, 4, true, false, "12.3.4"},
                    Case{7, 0, 1, false, false, "7.0.1"}));

TEST(UserAgent, NamesTheVersionAndTheWordSize) {
    EXPECT_EQ(corvel::tracking::UserAgent("10", true), "Mozilla/5.0(Windows 10; Win64;)");
    EXPECT_EQ(corvel::tracking::UserAgent("7-32", false), "Mozilla/5.0(Windows 7-32; Win32;)");
}

}  // namespace

namespace {

TEST(ResolveLocale, OverrideSplitsAtItsFirstUnderscore) {
    const auto facts = corvel::tracking::ResolveLocale("zh_CN_x");
    EXPECT_EQ(facts.locale, "zh_CN_x");
    EXPECT_EQ(facts.language, "zh");
    EXPECT_EQ(facts.country, "CN_x");
}

TEST(ResolveLocale, UnusableOverrideFallsBackToTheSystem) {
    const auto system = corvel::tracking::ResolveLocale("");
    for (const char* override : {"zh", "_CN"}) {
        const auto facts = corvel::tracking::ResolveLocale(override);
        EXPECT_EQ(facts.locale, system.locale) << override;
        EXPECT_EQ(facts.language, system.language);
    }
}

TEST(CurrentOsVersionText, IsOneOfTheTablesForms) {
    const std::string text = corvel::tracking::CurrentOsVersionText();
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(corvel::tracking::UserAgent(text, true).find("Mozilla/5.0(Windows " + text + "; Win"), 0u);
}

}  // namespace
