// The profile writer: which record each key gives, and the raises for keys
// used against their operation.
#include "analytics/tracker/NativeUserTracker.h"

#include "analytics/sdk/Sdk.h"
#include "analytics/tracker/CvException.h"
#include "support/TestFiles.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using corvel::tracking::CvException;
using corvel::tracking::NativeUserTracker;
using cv_analytics::Sdk;
using testing::HasSubstr;

class ProfileWriter : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Sdk::Init(m_Folder / L"queue.txt", "", "device-1", false,
                              [](auto&&...) { return cv_analytics::PostResponse{500, ""}; }));
    }
    void TearDown() override { Sdk::Shutdown(); }
    static std::string LastRecord() {
        const auto records = Sdk::QueuedRecords();
        return records.empty() ? std::string() : records.back();
    }
    testsupport::TempFolder m_Folder;
};

TEST_F(ProfileWriter, EachKeyGivesItsRecordKind) {
    NativeUserTracker::ProfileUserPropertyString("cv_user_name", "ann");
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"cv_user_name":"ann"})"));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("type":"profile_set")"));
    NativeUserTracker::ProfileUserPropertyString("$ios_install_source", "x");
    EXPECT_THAT(LastRecord(), HasSubstr(R"("type":"profile_set_once")"));
    NativeUserTracker::ProfileUserPropertyNumber("cv_visit_count", int64_t{1});
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"cv_visit_count":1})"));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("type":"profile_increment")"));
    NativeUserTracker::ProfileUserPropertyNumber("cv_consumption", 9.5);
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"cv_consumption":9.5})"));
    NativeUserTracker::ProfileUserPropertyNumber("cv_user_type", int64_t{9});
    EXPECT_THAT(LastRecord(), HasSubstr(R"("type":"profile_set")"));
}

TEST_F(ProfileWriter, DatesInSecondsOrMilliseconds) {
    NativeUserTracker::ProfileUserPropertyDateTime("cv_last_visit_date", 1700000000);
    const std::string seconds = LastRecord();
    NativeUserTracker::ProfileUserPropertyDateTime("cv_last_visit_date", 1700000000123);
    const std::string milliseconds = LastRecord();
    // The same moment: the texts differ only in the milliseconds.
    const auto stamp = [](const std::string& record) {
        const size_t at = record.find(R"("cv_last_visit_date":")") + 22;
        return record.substr(at, 23);
    };
    EXPECT_EQ(stamp(seconds).substr(0, 20), stamp(milliseconds).substr(0, 20));
    EXPECT_EQ(stamp(seconds).substr(20), "000");
    EXPECT_EQ(stamp(milliseconds).substr(20), "123");
    NativeUserTracker::ProfileUserPropertyDateTime("$first_visit_time", 1700000000);
    EXPECT_THAT(LastRecord(), HasSubstr(R"("type":"profile_set_once")"));
}

struct RaiseCase {
    const char* name;
    std::function<void()> call;
    const char* message;
    const char* operation;
};

class ProfileRaises : public ProfileWriter, public testing::WithParamInterface<RaiseCase> {};

TEST_P(ProfileRaises, WithTheMessageAndNothingStored) {
    try {
        GetParam().call();
        ADD_FAILURE() << "nothing raised";
    } catch (const CvException& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
        EXPECT_EQ(error.Operation(), GetParam().operation);
    }
    EXPECT_TRUE(Sdk::QueuedRecords().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileRaises,
    testing::Values(
        RaiseCase{"string_increment", [] { NativeUserTracker::ProfileUserPropertyString("cv_visit_count", "1"); },
                  "user property [cv_visit_count] is string type value, it cannot be accumulated!",
                  "ProfileUserPropertyString"},
        RaiseCase{"string_unknown", [] { NativeUserTracker::ProfileUserPropertyString("cv_nope", "1"); },
                  "Not supported user property [cv_nope]!", "ProfileUserPropertyString"},
        RaiseCase{"number_unknown", [] { NativeUserTracker::ProfileUserPropertyNumber("cv_other", int64_t{1}); },
                  "Not supported user property [cv_other]!", "ProfileUserPropertyNumber"},
        RaiseCase{"date_increment", [] { NativeUserTracker::ProfileUserPropertyDateTime("cv_paid_count", 1); },
                  "user property [cv_paid_count] is boolean value, it cannot be accumulative!",
                  "ProfileUserPropertyDateTime"},
        RaiseCase{"date_unknown", [] { NativeUserTracker::ProfileUserPropertyDateTime("x", 1); },
                  "Not supported user property [x]!", "ProfileUserPropertyDateTime"}),
    [](const testing::TestParamInfo<RaiseCase>& info) { return std::string(info.param.name); });

}  // namespace
