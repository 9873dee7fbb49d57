// Every validation rule with its exact message and line-end rule.
#include "analytics/sdk/PropertiesNode.h"
#include "analytics/sdk/Validation.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using cv_analytics::CheckIdLength;
using cv_analytics::CheckName;
using cv_analytics::CheckStringProperty;

// Runs check and returns what it wrote to standard error.
std::string StderrOf(const std::function<bool()>& check, bool& result) {
    testing::internal::CaptureStderr();
    result = check();
    return testing::internal::GetCapturedStderr();
}

struct Case {
    const char* name;
    std::function<bool()> check;
    bool accepted;
    std::string message;
};

class Validation : public testing::TestWithParam<Case> {};

TEST_P(Validation, WritesItsMessage) {
    bool result = false;
    const std::string message = StderrOf(GetParam().check, result);
    EXPECT_EQ(result, GetParam().accepted);
    // Native line ends: on Windows the C runtime writes "\r\n" for std::endl.
    std::string normalized = message;
    if (normalized.size() >= 2 && normalized.compare(normalized.size() - 2, 2, "\r\n") == 0)
        normalized.replace(normalized.size() - 2, 2, "\n");
    EXPECT_EQ(normalized, GetParam().message);
}

const std::string k100(100, 'a');
const std::string k101(101, 'a');
const std::string k255(255, 'i');
const std::string k256(256, 'i');
const std::string k8192(8192, 's');
const std::string k8193(8193, 's');

INSTANTIATE_TEST_SUITE_P(
    Rules, Validation,
    testing::Values(
        Case{"name_ok", [] { return CheckName("$app_start_1", "Event Name"); }, true, ""},
        Case{"name_100_bytes", [] { return CheckName(k100, "Property Key"); }, true, ""},
        Case{"name_101_bytes", [] { return CheckName(k101, "Property Key"); }, false,
             "The Property Key is empty or too long, max length is 100"},
        Case{"name_empty", [] { return CheckName("", "Event Name"); }, false,
             "The Event Name is empty or too long, max length is 100"},
        Case{"name_leading_digit", [] { return CheckName("1abc", "Property Key"); }, false,
             "The Property Key need to be a valid variable name."},
        Case{"name_hyphen", [] { return CheckName("cv-key", "Event Name"); }, false,
             "The Event Name need to be a valid variable name."},
        Case{"id_ok", [] { return CheckIdLength(k255, "Distinct ID"); }, true, ""},
        Case{"id_empty", [] { return CheckIdLength("", "Distinct ID"); }, false, "The Distinct ID is empty.\n"},
        Case{"id_too_long", [] { return CheckIdLength(k256, "Original ID"); }, false,
             "The Original ID is too long, max length is 255.\n"},
        Case{"string_8192_bytes", [] { return CheckStringProperty("k", k8192); }, true, ""},
        Case{"string_8193_bytes", [] { return CheckStringProperty("k", k8193); }, false,
             "String property 'k' is too long, value: " + k8193 + "\n"},
        Case{"string_with_del", [] { return CheckStringProperty("cv_x", "a\x7F"); }, false,
             "String property 'cv_x' is not valid UTF-8 string, value: a\x7F\n"},
        Case{"string_with_control", [] { return CheckStringProperty("cv_x", "a\x01"); }, false,
             "String property 'cv_x' is not valid UTF-8 string, value: a\x01\n"},
        Case{"string_tab_and_line_feed", [] { return CheckStringProperty("k", "a\tb\nc\r"); }, true, ""}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool accepted;
};

class Utf8Rule : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Rule, AcceptsOnlyTheListedSequences) {
    EXPECT_EQ(cv_analytics::IsAcceptedUtf8(GetParam().bytes), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8Rule,
    testing::Values(Utf8Case{"ascii", "plain text ~", true}, Utf8Case{"nul", std::string("a\0b", 3), false},
                    Utf8Case{"two_bytes", "\xC2\xA9", true}, Utf8Case{"overlong_two", "\xC1\xBF", false},
                    Utf8Case{"three_bytes", "\xE4\xB8\xAD", true}, Utf8Case{"e0_low", "\xE0\x9F\x80", false},
                    Utf8Case{"e0_ok", "\xE0\xA0\x80", true}, Utf8Case{"surrogate", "\xED\xA0\x80", false},
                    Utf8Case{"ed_ok", "\xED\x9F\xBF", true}, Utf8Case{"four_bytes", "\xF0\x9F\x98\x80", true},
                    Utf8Case{"f0_low", "\xF0\x8F\xBF\xBF", false}, Utf8Case{"f4_high", "\xF4\x90\x80\x80", false},
                    Utf8Case{"f5", "\xF5\x80\x80\x80", false}, Utf8Case{"truncated", "\xE4\xB8", false},
                    Utf8Case{"lone_continuation", "\x80", false}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

TEST(PropertiesNodeStrings, RejectedValueIsNotStored) {
    cv_analytics::PropertiesNode properties;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(properties.SetString("long", std::string(8193, 'x')));
    EXPECT_FALSE(properties.SetString("bad", "\x01"));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(properties.SetString("ok", "tab\there"));
    EXPECT_EQ(properties.ToJson(), R"({"ok":"tab\there"})");
}

}  // namespace
