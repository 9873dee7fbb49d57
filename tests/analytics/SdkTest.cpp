// Records as the SDK builds them: layout, member order, identity, the
// special "$time" and "$project" properties and the validation drops.
#include "analytics/sdk/Sdk.h"

#include "platform/FileSystem.h"
#include "support/TestFiles.h"

#include <gmock/gmock.h>

namespace {

using cv_analytics::PropertiesNode;
using cv_analytics::Sdk;
using testing::HasSubstr;
using testing::Not;

class SdkTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Sdk::Init(m_Folder / L"queue.txt", "", "device-1", false, [](auto&&...) {
            return cv_analytics::PostResponse{500, "not in this test"};
        }));
    }
    void TearDown() override { Sdk::Shutdown(); }

    std::string LastRecord() {
        const auto records = Sdk::QueuedRecords();
        return records.empty() ? std::string() : records.back();
    }
    // What the call wrote to standard error.
    template <typename Call>
    std::string Stderr(Call call) {
        testing::internal::CaptureStderr();
        call();
        return testing::internal::GetCapturedStderr();
    }

    testsupport::TempFolder m_Folder;
};

// True when the keys appear in the text in the given order.
bool InOrder(const std::string& text, const std::vector<std::string>& keys) {
    size_t at = 0;
    for (const auto& key : keys) {
        const size_t found = text.find("\"" + key + "\":", at);
        if (found == std::string::npos) return false;
        at = found + 1;
    }
    return true;
}

TEST(SdkWithoutInstance, EveryOperationIsANoOp) {
    ASSERT_FALSE(Sdk::IsInitialized());
    EXPECT_FALSE(Sdk::Track("cv_start"));
    EXPECT_FALSE(Sdk::Login("user"));
    EXPECT_FALSE(Sdk::ProfileSet("k", std::string("v")));
    EXPECT_FALSE(Sdk::FlushAll());
    EXPECT_TRUE(Sdk::QueuedRecords().empty());
}

TEST(SdkInit, RefusesAnEmptyDistinctId) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Sdk::Init(L"unused", "", "", false));
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_THAT(message, testing::StartsWith("The Distinct ID is empty."));
    EXPECT_FALSE(Sdk::IsInitialized());
}

TEST_F(SdkTest, TrackRecordLayout) {
    PropertiesNode properties;
    properties.SetString("cv_reason", "none");
    ASSERT_TRUE(Sdk::Track("cv_task", properties));
    const std::string record = LastRecord();
    EXPECT_TRUE(InOrder(record, {"_track_id", "distinct_id", "event", "lib", "properties", "time", "type"})) << record;
    EXPECT_THAT(record, HasSubstr(R"("distinct_id":"device-1","event":"cv_task",)"
                                  R"("lib":{"$lib":"cpp","$lib_method":"code","$lib_version":"0.9"},)"
                                  R"("properties":{"$lib":"cpp","$lib_version":"0.9","cv_reason":"none"},"time":)"));
    EXPECT_THAT(record, testing::EndsWith(R"(,"type":"track"})"));
    EXPECT_THAT(record, Not(HasSubstr("project")));
}

TEST_F(SdkTest, LoginRecordThenLoggedInRecords) {
    ASSERT_TRUE(Sdk::Login("user-42"));
    const std::string signup = LastRecord();
    EXPECT_TRUE(InOrder(signup, {"_track_id", "distinct_id", "event", "lib", "original_id", "properties", "time",
                                 "type"}))
        << signup;
    EXPECT_THAT(signup, HasSubstr(R"("distinct_id":"user-42","event":"$SignUp")"));
    EXPECT_THAT(signup, HasSubstr(R"("original_id":"device-1","properties":{"$lib":"cpp","$lib_version":"0.9"},)"));
    EXPECT_THAT(signup, HasSubstr(R"("type":"track_signup")"));
    EXPECT_EQ(Sdk::GetDistinctId(), "user-42");
    EXPECT_TRUE(Sdk::IsLoginId());

    ASSERT_TRUE(Sdk::Track("cv_click"));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"$is_login_id":true,"$lib":"cpp")"));
    ASSERT_TRUE(Sdk::ProfileSet("cv_name", std::string("n")));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"$is_login_id":true,"cv_name":"n"})"));
}

TEST_F(SdkTest, TimePropertySetsTheRecordTime) {
    PropertiesNode properties;
    properties.SetDateTime("$time", 1700000000, 250);
    ASSERT_TRUE(Sdk::Track("cv_task", properties));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"$lib":"cpp","$lib_version":"0.9"},"time":1700000000250,)"));
}

TEST_F(SdkTest, ProjectPropertyBecomesTheProjectMember) {
    PropertiesNode named;
    named.SetString("$project", "notavion");
    ASSERT_TRUE(Sdk::Track("cv_task", named));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("project":"notavion","properties":{"$lib":"cpp","$lib_version":"0.9"})"));
    PropertiesNode empty;
    empty.SetString("$project", "");
    ASSERT_TRUE(Sdk::Track("cv_task", empty));
    EXPECT_THAT(LastRecord(), Not(HasSubstr("project")));
}

struct DropCase {
    const char* name;
    std::function<void(PropertiesNode&)> fill;
    std::string event;
    std::string message;
};

class SdkDrops : public SdkTest, public testing::WithParamInterface<DropCase> {};

TEST_P(SdkDrops, TheWholeRecordWithItsMessage) {
    PropertiesNode properties;
    GetParam().fill(properties);
    bool stored = true;
    const std::string message = Stderr([&] { stored = Sdk::Track(GetParam().event, properties); });
    EXPECT_FALSE(stored);
    EXPECT_EQ(message, GetParam().message);
    EXPECT_TRUE(Sdk::QueuedRecords().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SdkDrops,
    testing::Values(
        DropCase{"key_with_leading_digit", [](PropertiesNode& p) { p.SetNumber("1cv", 1); }, "cv_task",
                 "The Property Key need to be a valid variable name."},
        DropCase{"key_with_hyphen", [](PropertiesNode& p) { p.SetNumber("cv-x", 1); }, "cv_task",
                 "The Property Key need to be a valid variable name."},
        DropCase{"key_of_101_bytes", [](PropertiesNode& p) { p.SetNumber(std::string(101, 'k'), 1); }, "cv_task",
                 "The Property Key is empty or too long, max length is 100"},
        DropCase{"time_as_string", [](PropertiesNode& p) { p.SetString("$time", "2024"); }, "cv_task",
                 "The property '$time' should be DateTime type."},
        DropCase{"project_as_number", [](PropertiesNode& p) { p.SetNumber("$project", 1); }, "cv_task",
                 "The property '$project' should be String type."},
        DropCase{"bad_event_name", [](PropertiesNode&) {}, "cv task", "The Event Name need to be a valid variable name."}),
    [](const testing::TestParamInfo<DropCase>& info) { return std::string(info.param.name); });

TEST_F(SdkTest, OverlongStringValueIsMissingButTheRecordStays) {
    PropertiesNode properties;
    Stderr([&] { properties.SetString("cv_long", std::string(8193, 'x')); });
    properties.SetNumber("cv_n", 1);
    ASSERT_TRUE(Sdk::Track("cv_task", properties));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"$lib":"cpp","$lib_version":"0.9","cv_n":1})"));
}

TEST_F(SdkTest, ProfilesCarryNoSuperProperties) {
    PropertiesNode super;
    super.SetString("cv_channel", "web");
    Sdk::RegisterSuperProperties(super);
    ASSERT_TRUE(Sdk::ProfileIncrement("cv_runs", int64_t{2}));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"cv_runs":2},)"));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("type":"profile_increment")"));
    EXPECT_THAT(LastRecord(), Not(HasSubstr("\"event\"")));
    ASSERT_TRUE(Sdk::ProfileAppend("cv_tags", "a"));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"cv_tags":["a"]},)"));
    ASSERT_TRUE(Sdk::ProfileSetOnce("cv_first", 1.5));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"cv_first":1.5},)"));
    ASSERT_TRUE(Sdk::Track("cv_task"));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("cv_channel":"web")"));
    Sdk::ResetSuperProperties();
    ASSERT_TRUE(Sdk::Track("cv_task"));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("properties":{"$lib":"cpp","$lib_version":"0.9"},)"));
}

TEST_F(SdkTest, InstallationEventCarriesTheInstallSource) {
    ASSERT_TRUE(Sdk::TrackInstallation("cv_install", PropertiesNode()));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("$ios_install_source":"")"));
    PropertiesNode given;
    given.SetString("$ios_install_source", "store");
    ASSERT_TRUE(Sdk::TrackInstallation("cv_install", given));
    EXPECT_THAT(LastRecord(), HasSubstr(R"("$ios_install_source":"store")"));
}

TEST_F(SdkTest, ShutdownKeepsUnsentRecordsInTheStagingFile) {
    ASSERT_TRUE(Sdk::Track("cv_task"));
    Sdk::Shutdown();
    std::string staged;
    ASSERT_TRUE(platform::ReadWholeFile(m_Folder / L"queue.txt", staged));
    EXPECT_THAT(staged, HasSubstr(R"("event":"cv_task")"));
    EXPECT_EQ(staged.back(), '\n');
}

struct IdCase {
    int random1;
    int random2;
    int64_t now;
    int64_t id;
};

class TrackId : public testing::TestWithParam<IdCase> {};

TEST_P(TrackId, TakesTheLastDigitsOfEachPiece) {
    EXPECT_EQ(cv_analytics::MakeTrackId(GetParam().random1, GetParam().random2, GetParam().now), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(Table, TrackId,
                         testing::Values(IdCase{0, 0, 1700000000123, 123}, IdCase{98, 998, 1700000009999, 989989999},
                                         IdCase{99, 999, 5, 5}, IdCase{150, 2500, 1234567, 515024567}));

}  // namespace
