#include "analytics/sdk/RecordStore.h"

#include "analytics/BodyDecoder.h"
#include "analytics/sdk/SendStatus.h"
#include "platform/FileSystem.h"
#include "support/TestFiles.h"

#include <gmock/gmock.h>

namespace {

using cv_analytics::HeaderList;
using cv_analytics::PostResponse;
using cv_analytics::RecordStore;
using testing::ElementsAre;

std::string Record(const std::string& name, int i) { return R"({"r":")" + name + std::to_string(i) + R"("})"; }

// Splits a decoded batch "[{..},{..}]" into its records (test records hold
// no nested objects).
std::vector<std::string> Records(const std::string& batch) {
    std::vector<std::string> records;
    size_t start = batch.find('{');
    while (start != std::string::npos) {
        const size_t end = batch.find('}', start);
        records.push_back(batch.substr(start, end - start + 1));
        start = batch.find('{', end);
    }
    return records;
}

// A collection endpoint stand-in: decodes every body it is given and answers
// with the status the test chose.
class FakeServer {
public:
    cv_analytics::PostFunction Poster() {
        return [this](const std::string& url, const std::string& body, const HeaderList& headers,
                      const std::string& contentType) -> PostResponse {
            EXPECT_EQ(url, "http://127.0.0.1:1/collect");
            EXPECT_TRUE(headers.empty());
            EXPECT_EQ(contentType, "");
            batches.push_back(Records(bodydecoder::DecodeBody(body)));
            if (duringPost) duringPost();
            return {status, status == 200 ? "ok" : "refused"};
        };
    }
    long status = 200;
    std::function<void()> duringPost;
    std::vector<std::vector<std::string>> batches;
};

class RecordStoreTest : public testing::Test {
protected:
    std::unique_ptr<RecordStore> MakeStore() {
        return std::make_unique<RecordStore>("http://127.0.0.1:1/collect", StagingPath(), m_Server.Poster());
    }
    std::wstring StagingPath() const { return m_Folder / L"Notavion.downloader_CVSQueue.txt"; }
    std::string StagingText() const {
        std::string text;
        platform::ReadWholeFile(StagingPath(), text);
        return text;
    }
    testsupport::TempFolder m_Folder;
    FakeServer m_Server;
};

TEST_F(RecordStoreTest, The1025thRecordDropsTheOldest) {
    auto store = MakeStore();
    for (int i = 0; i < 1025; ++i) store->AddSerialized(Record("a", i));
    const auto queue = store->QueueSnapshot();
    ASSERT_EQ(queue.size(), 1024u);
    EXPECT_EQ(queue.front(), Record("a", 1));
    EXPECT_EQ(queue.back(), Record("a", 1024));
}

TEST_F(RecordStoreTest, ThirtyOneRecordsGoAsThirtyThenOne) {
    auto store = MakeStore();
    for (int i = 0; i < 31; ++i) store->AddSerialized(Record("a", i));
    EXPECT_TRUE(store->FlushBatch());
    ASSERT_EQ(m_Server.batches.size(), 1u);
    ASSERT_EQ(m_Server.batches[0].size(), 30u);
    EXPECT_EQ(m_Server.batches[0].front(), Record("a", 0));
    EXPECT_EQ(m_Server.batches[0].back(), Record("a", 29));
    EXPECT_EQ(store->QueueLength(), 1u);
    EXPECT_TRUE(store->FlushAll());
    ASSERT_EQ(m_Server.batches.size(), 2u);
    EXPECT_THAT(m_Server.batches[1], ElementsAre(Record("a", 30)));
    EXPECT_TRUE(cv_analytics::LastUploadSucceeded());
}

TEST_F(RecordStoreTest, EmptyQueueSendsNothing) {
    auto store = MakeStore();
    EXPECT_TRUE(store->FlushBatch());
    EXPECT_TRUE(store->FlushAll());
    EXPECT_TRUE(m_Server.batches.empty());
}

TEST_F(RecordStoreTest, StatusOtherThan200IsAFailureAndTheBatchComesBack) {
    auto store = MakeStore();
    for (int i = 0; i < 3; ++i) store->AddSerialized(Record("a", i));
    m_Server.status = 201;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(store->FlushAll());
    EXPECT_THAT(testing::internal::GetCapturedStderr(), testing::HasSubstr("Analytics SDK send failed: refused"));
    EXPECT_FALSE(cv_analytics::LastUploadSucceeded());
    EXPECT_THAT(store->QueueSnapshot(), ElementsAre(Record("a", 0), Record("a", 1), Record("a", 2)));
    EXPECT_EQ(m_Server.batches.size(), 1u) << "flush all stops at the first failing batch";
}

TEST_F(RecordStoreTest, FailedBatchPutsBackOnlyWhatFitsNewestFirst) {
    auto store = MakeStore();
    for (int i = 0; i < 30; ++i) store->AddSerialized(Record("old", i));
    m_Server.status = 500;
    m_Server.duringPost = [&] {
        for (int i = 0; i < 1000; ++i) store->AddSerialized(Record("new", i));
    };
    testing::internal::CaptureStderr();
    EXPECT_FALSE(store->FlushBatch());
    testing::internal::GetCapturedStderr();
    const auto queue = store->QueueSnapshot();
    ASSERT_EQ(queue.size(), 1024u);
    EXPECT_EQ(queue[0], Record("old", 6));
    EXPECT_EQ(queue[23], Record("old", 29));
    EXPECT_EQ(queue[24], Record("new", 0));
}

TEST_F(RecordStoreTest, StagingFileKeepsOnlyBracedLinesAtTheHead) {
    testsupport::WriteTestFile(StagingPath(), Record("s", 0) + "\n" + Record("s", 1) + "\n\n" + "not a record\n" +
                                                  Record("s", 2) + "\r\n" + Record("s", 3) + "\n{\"cut\":" + "\n" +
                                                  Record("s", 4));
    auto store = MakeStore();
    store->AddSerialized(Record("now", 0));
    EXPECT_TRUE(store->FlushBatch());
    ASSERT_EQ(m_Server.batches.size(), 1u);
    EXPECT_THAT(m_Server.batches[0], ElementsAre(Record("s", 0), Record("s", 1), Record("s", 2), Record("s", 3),
                                                 Record("s", 4), Record("now", 0)));
    EXPECT_EQ(StagingText(), "");
}

TEST_F(RecordStoreTest, LargeStagingFileKeepsItsLast1024Lines) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += Record("s", i) + "\n";
    testsupport::WriteTestFile(StagingPath(), text);
    auto store = MakeStore();
    m_Server.status = 500;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(store->FlushBatch());
    testing::internal::GetCapturedStderr();
    const auto queue = store->QueueSnapshot();
    ASSERT_EQ(queue.size(), 1024u);
    EXPECT_EQ(queue.front(), Record("s", 976));
    EXPECT_EQ(queue.back(), Record("s", 1999));
}

TEST_F(RecordStoreTest, GarbledStagingFileIsReadWithTheLineRule) {
    testsupport::WriteTestFile(StagingPath(), std::string("\x00\xFF{{}\n}\x01{\n{", 12) + "\n" + Record("ok", 1));
    auto store = MakeStore();
    EXPECT_TRUE(store->FlushAll());
    ASSERT_EQ(m_Server.batches.size(), 1u);
    EXPECT_EQ(m_Server.batches[0].back(), Record("ok", 1));
}

TEST_F(RecordStoreTest, UnsentRecordsSurviveToTheNextRunWithoutDuplicates) {
    {
        auto store = MakeStore();
        for (int i = 0; i < 40; ++i) store->AddSerialized(Record("run1_", i));
        m_Server.status = 500;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(store->FlushAll());
        testing::internal::GetCapturedStderr();
        store->Close();
    }
    EXPECT_FALSE(platform::PathExists(StagingPath() + L".tmp"));
    m_Server.batches.clear();
    m_Server.status = 200;
    {
        auto store = MakeStore();
        EXPECT_TRUE(store->FlushAll());
        store->Close();
    }
    size_t sent = 0;
    for (const auto& batch : m_Server.batches) sent += batch.size();
    EXPECT_EQ(sent, 40u);
    EXPECT_EQ(m_Server.batches.front().front(), Record("run1_", 0));
    EXPECT_EQ(StagingText(), "") << "nothing left to send twice";
}

}  // namespace
