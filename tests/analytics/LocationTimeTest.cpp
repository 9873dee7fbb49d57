// The location-and-time client against the stand-in service of the
// collector, which checks the credential itself.
#include "analytics/sdk/LocationTime.h"

#include "platform/Thread.h"
#include "support/Collector.h"

#include <curl/curl.h>
#include <gmock/gmock.h>

#include <chrono>

namespace {

using cv_analytics::CvLocation;
using cv_analytics::CvLocationTime;
using testing::HasSubstr;
using testsupport::Collector;

TEST(LocationCredential, TenDigitTimeGivesTheReferenceDigest) {
    // Computed with Python's hashlib over the 51-byte text
    // "/api/location_and_time&&Qm7TzR2wLk9pXv4B&1700000000".
    EXPECT_EQ(CvLocationTime::Credential("1700000000"), "3af11305ab78af84ebedd3694e820cb4");
}

struct ReplyCase {
    const char* name;
    std::string reply;
    bool accepted;
    std::string ip, country, city;
};

class LocationReply : public testing::TestWithParam<ReplyCase> {};

TEST_P(LocationReply, IsParsedByTheRules) {
    CvLocation location;
    EXPECT_EQ(CvLocationTime::ParseReply(GetParam().reply, location), GetParam().accepted);
    EXPECT_EQ(location.ip, GetParam().ip);
    EXPECT_EQ(location.country, GetParam().country);
    EXPECT_EQ(location.city, GetParam().city);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LocationReply,
    testing::Values(ReplyCase{"ip_and_country_only", R"({"ip":"1.2.3.4","country":"X"})", true, "1.2.3.4", "X", ""},
                    ReplyCase{"all_fields", R"({"ip":"a","country":"b","country_code":"c","province":"d","city":"e"})",
                              true, "a", "b", "e"},
                    ReplyCase{"no_country_text", R"({"ip":"1.2.3.4"})", false, "", "", ""},
                    ReplyCase{"not_json", "country: yes", false, "", "", ""},
                    ReplyCase{"array", R"(["country"])", false, "", "", ""},
                    ReplyCase{"non_string_members", R"({"ip":5,"country":"Y","city":null})", true, "", "Y", ""}),
    [](const testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });

class LocationService : public testing::Test {
protected:
    static void SetUpTestSuite() { curl_global_init(CURL_GLOBAL_ALL); }
    static void TearDownTestSuite() { curl_global_cleanup(); }
    void TearDown() override { CvLocationTime::Stop(); }

    static std::string LocationUrl(const Collector& collector) {
        const std::string url = collector.Url();
        return url.substr(0, url.rfind('/')) + CvLocationTime::kPath;
    }
    // Polls until the location is known or the time is up.
    static bool WaitForLocation(CvLocation& location, int seconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < deadline) {
            if (CvLocationTime::ReadLocation(location)) return true;
            platform::SleepMilliseconds(20);
        }
        return false;
    }
};

TEST_F(LocationService, NothingToReadBeforeStart) {
    CvLocation location;
    EXPECT_FALSE(CvLocationTime::ReadLocation(location));
}

TEST_F(LocationService, FirstAnswerFillsTheLocation) {
    Collector collector;
    CvLocationTime::Start(LocationUrl(collector));
    CvLocation location;
    ASSERT_TRUE(WaitForLocation(location, 5));
    EXPECT_EQ(location.ip, "203.0.113.7");
    EXPECT_EQ(location.countryCode, "TL");
    EXPECT_EQ(location.province, "North");
    CvLocationTime::Stop();
    const auto log = collector.StopAndReadRecords();
    ASSERT_EQ(log.size(), 1u) << "one answer is enough";
    EXPECT_THAT(log[0], HasSubstr(R"("valid":true)"));
    EXPECT_THAT(log[0], HasSubstr(R"("content_type":"application/json")"));
}

TEST_F(LocationService, ReplyWithoutCountryIsRetriedAfterFiveSeconds) {
    Collector collector(L"--location-fail-first 1");
    const auto started = std::chrono::steady_clock::now();
    CvLocationTime::Start(LocationUrl(collector));
    CvLocation location;
    ASSERT_TRUE(WaitForLocation(location, 15));
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(4500));
    CvLocationTime::Stop();
    EXPECT_EQ(collector.StopAndReadRecords().size(), 2u);
}

TEST_F(LocationService, StopDuringTheWaitEndsTheWorkerPromptly) {
    CvLocationTime::Start("");  // every attempt fails at once: the worker waits
    platform::SleepMilliseconds(300);
    const auto stopping = std::chrono::steady_clock::now();
    CvLocationTime::Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - stopping, std::chrono::seconds(2));
    CvLocation location;
    EXPECT_FALSE(CvLocationTime::ReadLocation(location));
}

}  // namespace
