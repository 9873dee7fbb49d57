#include "analytics/tracker/CvContextProperties.h"

#include "analytics/tracker/CvException.h"

#include <gmock/gmock.h>

namespace {

using corvel::tracking::CvContextProperties;
using corvel::tracking::CvEventType;
using corvel::tracking::CvException;

constexpr int kTask = static_cast<int>(CvEventType::Task);
constexpr int kClick = static_cast<int>(CvEventType::Click);

// The message and operation of the CvException that call raises.
template <typename Call>
std::pair<std::string, std::string> Raised(Call call) {
    try {
        call();
    } catch (const CvException& error) {
        return {error.what(), error.Operation()};
    }
    return {"nothing raised", ""};
}

struct AbCase {
    const char* text;
    bool valid;
    const char* message;  // nullptr: nothing raised
};

class AbValue : public testing::TestWithParam<AbCase> {};

TEST_P(AbValue, FollowsTheLetterAndDigitRules) {
    const AbCase& c = GetParam();
    if (!c.message) {
        EXPECT_EQ(CvContextProperties::isValidABValue(c.text), c.valid);
        return;
    }
    const auto raised = Raised([&] { CvContextProperties::isValidABValue(c.text); });
    EXPECT_EQ(raised.first, c.message);
    EXPECT_EQ(raised.second, "isValidABValue");
}

INSTANTIATE_TEST_SUITE_P(Table, AbValue,
                         testing::Values(AbCase{"A", true, nullptr}, AbCase{"B7", true, nullptr},
                                         AbCase{"IN", true, nullptr}, AbCase{"Z09", true, nullptr},
                                         AbCase{"", false, nullptr},
                                         AbCase{"a", false, "First char is not in A to Z"},
                                         AbCase{"Ab", false, "second char is not in A to Z and 0 to 9"},
                                         AbCase{"AB-", false, "third char is not in A to Z and 0 to 9"},
                                         AbCase{"ABCD", false, "value's length is great than 3."}));

TEST(CvContextProperties, DuplicateKeyIsRefused) {
    CvContextProperties context;
    context.setProperty("cvc_ab", std::string("IN"), {kTask});
    const auto raised = Raised([&] { context.setProperty("cvc_ab", std::string("B"), {kClick}); });
    EXPECT_EQ(raised.first, "Property[cvc_ab] already exist!");
    EXPECT_EQ(raised.second, "setProperty");
}

TEST(CvContextProperties, OverflowAfterAppendingToEarlierSlots) {
    CvContextProperties context;
    const auto raised = Raised([&] { context.setProperty("cvc_ab", std::string("IN"), {kTask, 15}); });
    EXPECT_EQ(raised.first, "CvEvent[15] overflow!");
    ASSERT_EQ(context.getEventProperties(kTask).size(), 1u);
    EXPECT_EQ(context.getEventProperties(kTask)[0].key, "cvc_ab");
    EXPECT_EQ(Raised([&] { context.getEventProperties(15); }).first, "CvEvent[15] overflow!");
}

TEST(CvContextProperties, MergesEachKindIntoItsSlotOnly) {
    CvContextProperties context;
    context.setProperty("cvc_ab", std::string("IN"), {kTask, kClick});
    context.setProperty("cv_count", int64_t{42}, {kTask});
    context.setProperty("cv_flag", true, {kTask});
    context.setProperty("cv_ratio", 0.5, {kTask});
    context.setProperty("cv_tags", std::vector<std::string>{"a", "b"}, {kTask});
    cv_analytics::PropertiesNode task;
    EXPECT_TRUE(context.merge(kTask, task));
    EXPECT_EQ(task.ToJson(), R"({"cv_count":"42","cv_flag":true,"cv_ratio":0.5,"cv_tags":["a","b"],"cvc_ab":"IN"})");
    cv_analytics::PropertiesNode click;
    EXPECT_TRUE(context.merge(kClick, click));
    EXPECT_EQ(click.ToJson(), R"({"cvc_ab":"IN"})");
    cv_analytics::PropertiesNode view;
    view.SetNumber("cv_keep", 1);
    EXPECT_FALSE(context.merge(static_cast<int>(CvEventType::View), view));
    EXPECT_EQ(view.ToJson(), R"({"cv_keep":1})");
}

}  // namespace
