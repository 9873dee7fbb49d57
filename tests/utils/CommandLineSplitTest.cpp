// The splitter follows CommandLineToArgvW. Each row is checked against the
// expected arguments everywhere, and under Wine also against the system's
// own CommandLineToArgvW.
#include "platform/CommandLine.h"
#include "utils/CommandLineSplit.h"
#include "utils/Text.h"

#include <gmock/gmock.h>

namespace {

struct Case {
    const char* name;
    std::wstring line;
    std::vector<std::wstring> expected;
};

class SplitCommandLine : public testing::TestWithParam<Case> {};

TEST_P(SplitCommandLine, FollowsTheWindowsRules) {
    EXPECT_EQ(Utils::SplitCommandLine(GetParam().line), GetParam().expected);
    if (const auto system = platform::SystemSplitCommandLine(GetParam().line)) {
        EXPECT_EQ(*system, GetParam().expected) << "the system splits differently";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitCommandLine,
    testing::Values(
        Case{"program_only", L"C:\\a\\setup.exe", {L"C:\\a\\setup.exe"}},
        Case{"blanks_separate", L"setup.exe -a=1  -b\t-c", {L"setup.exe", L"-a=1", L"-b", L"-c"}},
        Case{"quoted_program_with_blank", L"\"C:\\Program Files\\x.exe\" -a", {L"C:\\Program Files\\x.exe", L"-a"}},
        Case{"program_keeps_backslash_before_quote", L"\"C:\\dir\\\" rest", {L"C:\\dir\\", L"rest"}},
        Case{"program_ends_at_blank_despite_quote", L"ab\"c d\" e", {L"ab\"c", L"d e"}},
        Case{"quoted_argument", L"p \"a b\" c", {L"p", L"a b", L"c"}},
        Case{"quote_inside_argument", L"p -instcmd=\"/a /b\"", {L"p", L"-instcmd=/a /b"}},
        Case{"empty_quoted_argument", L"p \"\" x", {L"p", L"", L"x"}},
        Case{"escaped_quote", L"p a\\\"b", {L"p", L"a\"b"}},
        Case{"two_backslashes_then_quote", L"p a\\\\\"b c\"", {L"p", L"a\\b c"}},
        Case{"three_backslashes_then_quote", L"p a\\\\\\\"b", {L"p", L"a\\\"b"}},
        Case{"backslashes_without_quote_stay", L"p C:\\dir\\\\x", {L"p", L"C:\\dir\\\\x"}},
        Case{"trailing_backslash_in_quotes", L"p \"C:\\dir\\\\\"", {L"p", L"C:\\dir\\"}},
        Case{"doubled_quote_inside_quotes", L"p \"a\"\"b\"", {L"p", L"a\"b"}},
        Case{"tripled_quotes", L"p \"\"\"a\"\"\"", {L"p", L"\"a\""}},
        Case{"unterminated_quote", L"p \"a b", {L"p", L"a b"}},
        Case{"trailing_blanks", L"p a   ", {L"p", L"a"}},
        Case{"leading_blank_gives_empty_program", L" p a", {L"", L"p", L"a"}},
        Case{"url_with_equals", L"p -downloadurl=http://h/x?a=1&b=2", {L"p", L"-downloadurl=http://h/x?a=1&b=2"}},
        Case{"non_ascii", L"p -instcmd=\u4e2d\u6587", {L"p", L"-instcmd=\u4e2d\u6587"}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(SplitCommandLineEmpty, GivesNoArguments) { EXPECT_TRUE(Utils::SplitCommandLine(L"").empty()); }

}  // namespace
