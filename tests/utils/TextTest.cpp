#include "utils/Text.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kChinese = L"\u4e2d\u6587";  // 中文

TEST(Text, Utf8RoundTrip) {
    const std::string utf8 = "\xE4\xB8\xAD\xE6\x96\x87 ok";
    EXPECT_EQ(Utils::Utf8ToWide(utf8), kChinese + L" ok");
    EXPECT_EQ(Utils::WideToUtf8(kChinese + L" ok"), utf8);
}

TEST(Text, CharactersOutsideTheBasicPlaneSurvive) {
    const std::string utf8 = "\xF0\x9F\x98\x80";  // U+1F600
    EXPECT_EQ(Utils::WideToUtf8(Utils::Utf8ToWide(utf8)), utf8);
}

TEST(Text, NumericCodePage936) {
    const std::string gbk = "\xD6\xD0\xCE\xC4";  // 中文 in GBK
    EXPECT_EQ(Utils::ToWide(gbk, 936), kChinese);
    EXPECT_EQ(Utils::ToNarrow(kChinese, 936), gbk);
}

TEST(Text, InvalidUtf8BecomesReplacementCharacters) {
    const std::wstring wide = Utils::Utf8ToWide("a\xFF" "b");
    EXPECT_EQ(wide, L"a\uFFFDb");
}

TEST(Text, UnknownCodePageGivesEmptyText) {
    EXPECT_EQ(Utils::ToWide("abc", 12345), L"");
    EXPECT_EQ(Utils::ToNarrow(L"abc", 12345), "");
}

TEST(Text, EmptyStaysEmpty) {
    EXPECT_EQ(Utils::Utf8ToWide(""), L"");
    EXPECT_EQ(Utils::WideToAnsi(L""), "");
}

TEST(Text, AsciiSurvivesTheAnsiCodePage) {
    EXPECT_EQ(Utils::AnsiToWide("Notavion 1.7.9"), L"Notavion 1.7.9");
    EXPECT_EQ(Utils::WideToAnsi(L"Notavion 1.7.9"), "Notavion 1.7.9");
}

}  // namespace

namespace {

TEST(SplitLines, DropsTheCarriageReturnBeforeEachLineFeed) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(Utils::SplitLines(""), Lines{});
    EXPECT_EQ(Utils::SplitLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(Utils::SplitLines("a\r\n\r\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(Utils::SplitLines("a\rb\n"), (Lines{"a\rb"})) << "only a carriage return at the end goes";
}

}  // namespace
