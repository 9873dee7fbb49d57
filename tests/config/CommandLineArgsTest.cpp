#include "config/CommandLineArgs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CommandLineArgs, SplitsKeysAndValuesAtTheFirstEquals) {
    const CommandLineArgs args(L"setup.exe -downloadurl=http://h/p?a=1&b=2 -ischecknet -empty= plain -x=\"a b\"");
    EXPECT_EQ(args.GetString(L"-downloadurl"), L"http://h/p?a=1&b=2");
    EXPECT_TRUE(args.Has(L"-ischecknet"));
    EXPECT_EQ(args.GetString(L"-ischecknet"), L"");
    EXPECT_TRUE(args.Has(L"-empty"));
    EXPECT_EQ(args.GetString(L"-empty"), L"");
    EXPECT_TRUE(args.Has(L"plain"));
    EXPECT_TRUE(args.Has(L"setup.exe")) << "the program path is an argument like any other";
    EXPECT_EQ(args.GetString(L"-x"), L"a b");
}

TEST(CommandLineArgs, ArgumentWithoutLeadingDashKeepsItsEqualsInTheKey) {
    const CommandLineArgs args(L"p key=value");
    EXPECT_TRUE(args.Has(L"key=value"));
    EXPECT_FALSE(args.Has(L"key"));
}

TEST(CommandLineArgs, FirstOccurrenceWins) {
    const CommandLineArgs args(L"p -downloadtype=3 -downloadtype=2");
    EXPECT_EQ(args.GetInt(L"-downloadtype"), 3);
}

TEST(CommandLineArgs, KeysAreCaseSensitive) {
    const CommandLineArgs args(L"p -DownloadType=3");
    EXPECT_FALSE(args.Has(L"-downloadtype"));
}

struct IntCase {
    const wchar_t* value;
    std::optional<int> expected;
};

class ReadInt : public testing::TestWithParam<IntCase> {};

TEST_P(ReadInt, AsTheStandardConversion) { EXPECT_EQ(ParseLeadingInt(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Table, ReadInt,
                         testing::Values(IntCase{L"3", 3}, IntCase{L"  -12x", -12}, IntCase{L"+7", 7},
                                         IntCase{L"abc", 0}, IntCase{L"", 0}, IntCase{L"-", 0},
                                         IntCase{L"2147483647", 2147483647}, IntCase{L"-2147483648", INT32_MIN},
                                         IntCase{L"2147483648", std::nullopt},
                                         IntCase{L"99999999999999999999999", std::nullopt}));

TEST(ReadBool, OnlyTheExactTextTrue) {
    const CommandLineArgs args(L"p -a=true -b=TRUE -c=1 -d");
    EXPECT_TRUE(args.GetBool(L"-a"));
    EXPECT_FALSE(args.GetBool(L"-b"));
    EXPECT_FALSE(args.GetBool(L"-c"));
    EXPECT_FALSE(args.GetBool(L"-d"));
}

TEST(ReadDouble, NumberInFrontOrNotANumber) {
    const CommandLineArgs args(L"p -a=0.5abc -b=abc -c= -d=1e999 \"-e=  .25\" -f=inf");
    EXPECT_DOUBLE_EQ(args.GetDouble(L"-a"), 0.5);
    EXPECT_TRUE(std::isnan(args.GetDouble(L"-b")));
    EXPECT_TRUE(std::isnan(args.GetDouble(L"-c")));
    EXPECT_TRUE(std::isnan(args.GetDouble(L"-d"))) << "out of range";
    EXPECT_DOUBLE_EQ(args.GetDouble(L"-e"), 0.25);
    EXPECT_TRUE(std::isnan(args.GetDouble(L"-f")));
}

}  // namespace
