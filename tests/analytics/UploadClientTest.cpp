// Uploads through libcurl to the stand-in collector, checked by decoding
// what the collector received.
#include "analytics/sdk/UploadClient.h"

#include "analytics/sdk/RecordStore.h"
#include "support/Collector.h"
#include "support/TestFiles.h"

#include <curl/curl.h>
#include <gmock/gmock.h>

namespace {

using cv_analytics::PostResponse;
using cv_analytics::UploadClient;
using testsupport::Collector;

class HttpLibrary : public testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(curl_global_init(CURL_GLOBAL_ALL), CURLE_OK); }
    void TearDown() override { curl_global_cleanup(); }
};
const auto* const kHttpLibrary = testing::AddGlobalTestEnvironment(new HttpLibrary);

std::string Record(int i) {
    return R"({"_track_id":)" + std::to_string(i) + R"(,"event":"cv_)" "\xE4\xB8\xAD" R"(","x":"a+b/c=d"})";
}

TEST(UploadClient, StoreDeliversEveryRecordInOrder) {
    Collector collector;
    ASSERT_TRUE(collector.Started());
    testsupport::TempFolder folder;
    cv_analytics::RecordStore store(collector.Url(), folder / L"queue.txt", UploadClient::Post);
    for (int i = 0; i < 31; ++i) store.AddSerialized(Record(i));
    EXPECT_TRUE(store.FlushAll());
    const auto received = collector.StopAndReadRecords();
    ASSERT_EQ(received.size(), 31u);
    for (int i = 0; i < 31; ++i) EXPECT_EQ(received[static_cast<size_t>(i)], Record(i));
}

struct FaultCase {
    const char* name;
    const wchar_t* options;
    long status;
};

class UploadFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(UploadFaults, AreFailuresWithTheirStatus) {
    Collector collector(GetParam().options);
    ASSERT_TRUE(collector.Started());
    const PostResponse response = UploadClient::Post(collector.Url(), "data_list=&gzip=1", {}, "");
    EXPECT_EQ(response.status, GetParam().status) << response.body;
    EXPECT_FALSE(response.body.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, UploadFaults,
                         testing::Values(FaultCase{"bad_body_is_400", L"", 400},
                                         FaultCase{"closed_connection", L"--close", -1},
                                         FaultCase{"never_answering_times_out", L"--delay 6", -1}),
                         [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(UploadClient, Status201IsAFailureForTheStore) {
    Collector collector(L"--status 201");
    testsupport::TempFolder folder;
    cv_analytics::RecordStore store(collector.Url(), folder / L"queue.txt", UploadClient::Post);
    store.AddSerialized(Record(1));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(store.FlushAll());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(store.QueueLength(), 1u);
    EXPECT_TRUE(collector.StopAndReadRecords().empty());
}

TEST(UploadClient, NoServerGivesAnErrorText) {
    int port = 0;
    {
        Collector collector;  // a port that was free a moment ago, now closed again
        port = std::stoi(collector.Url().substr(collector.Url().rfind(':') + 1));
    }
    const PostResponse response =
        UploadClient::Post("http://127.0.0.1:" + std::to_string(port) + "/collect", "data_list=&gzip=1", {}, "");
    EXPECT_EQ(response.status, -1);
    EXPECT_EQ(response.body, curl_easy_strerror(CURLE_COULDNT_CONNECT));
}

TEST(UploadClient, EmptyUrlFailsWithoutARequest) {
    const PostResponse response = UploadClient::Post("", "data_list=&gzip=1", {}, "");
    EXPECT_EQ(response.status, -1);
    EXPECT_FALSE(response.body.empty());
}

}  // namespace
