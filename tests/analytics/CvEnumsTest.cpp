#include "analytics/tracker/CvEnums.h"

#include "analytics/tracker/CvException.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace corvel::tracking;

struct EnumCase {
    const char* name;
    std::function<std::string(int)> toString;
    int size;
    std::vector<std::string> texts;  // first, last
    std::string outsideMessage;      // for the value one past the table
};

class Enumerations : public testing::TestWithParam<EnumCase> {};

TEST_P(Enumerations, TextsAndTheMessageForOtherValues) {
    const EnumCase& c = GetParam();
    EXPECT_EQ(c.toString(0), c.texts.front());
    EXPECT_EQ(c.toString(c.size - 1), c.texts.back());
    for (int outside : {c.size, -1}) {
        try {
            c.toString(outside);
            ADD_FAILURE() << "value " << outside << " was accepted";
        } catch (const CvException& error) {
            if (outside == c.size) {
                EXPECT_EQ(std::string(error.what()), c.outsideMessage);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Enumerations,
    testing::Values(EnumCase{"event", EventTypeToString, 15, {"Activity", "AppOpenNotification"}, "Unknown Event [15]!"},
                    EnumCase{"edition", EditionToString, 2, {"china", "overseas"}, "Unknown edition [2]!"},
                    EnumCase{"user_type", UserTypeToString, 12, {"unknown", "facebook"}, "Unknown user type [12]!"},
                    EnumCase{"result", ResultToString, 4, {"Success", "Unknown"}, "Unknown task result [4]!"},
                    EnumCase{"click", ClickTypeToString, 5, {"Button", "Others"}, "Unknown ClickType [5]!"},
                    EnumCase{"io", IoTypeToString, 2, {"Input", "Output"}, "the io type is invalid"},
                    EnumCase{"currency", CurrencyToString, 11, {"CNY", "GBP"}, "Unknown currency [11]!"},
                    EnumCase{"platform", PaidPlatformToString, 10, {"Alipay", "ChinaUnionPay"},
                             "Unknown paid platform [10]!"},
                    EnumCase{"iap", IapTypeToString, 4, {"Consumable", "NonRenewable"}, "Unknown cvIapType [4]!"},
                    EnumCase{"update_op", UpdateOpToString, 5, {"UpdateCheck", "UpgrateEnd"}, "Unknown CvUpdateOp [5]!"},
                    EnumCase{"update_result", UpdateResultToString, 6, {"Success", "Updateable"},
                             "Unknown CvUpdateResult [6]!"}),
    [](const testing::TestParamInfo<EnumCase>& info) { return std::string(info.param.name); });

TEST(EventTypeNames, LaunchKeepsItsOwnName) { EXPECT_EQ(EventTypeToString(1), "PaLaunchPal"); }

}  // namespace
