#include "analytics/tracker/FlushScheduler.h"

#include "analytics/sdk/Sdk.h"
#include "analytics/sdk/SendStatus.h"
#include "platform/Thread.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

using corvel::tracking::FlushScheduler;
using cv_analytics::Sdk;

class FlushSchedulerTest : public testing::Test {
protected:
    void SetUp() override {
        FlushScheduler::ResetPending();
        ASSERT_TRUE(Sdk::Init(m_Folder / L"queue.txt", "", "device-1", false, [this](auto&&...) {
            ++m_Posts;
            std::unique_lock<std::mutex> lock(m_Mutex);
            m_Released.wait(lock, [&] { return m_Open; });
            return cv_analytics::PostResponse{m_Status, ""};
        }));
    }
    void TearDown() override {
        Release();
        Sdk::Shutdown();
        cv_analytics::SetLastUploadSucceeded(false);
    }
    void Release() {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Open = true;
        m_Released.notify_all();
    }
    testsupport::TempFolder m_Folder;
    std::atomic<int> m_Posts{0};
    long m_Status = 200;
    std::mutex m_Mutex;
    std::condition_variable m_Released;
    bool m_Open = true;
};

TEST_F(FlushSchedulerTest, DeferredEventsOnlyCount) {
    cv_analytics::SetLastUploadSucceeded(true);
    Sdk::Track("cv_click");
    FlushScheduler::AddPending(1);
    FlushScheduler::AfterEvent(false);
    EXPECT_GT(FlushScheduler::Pending(), 0);
    EXPECT_EQ(m_Posts, 0);
    EXPECT_EQ(Sdk::QueuedRecords().size(), 1u);
}

TEST_F(FlushSchedulerTest, FlushNowSendsPendingRecordsAndClearsTheCount) {
    cv_analytics::SetLastUploadSucceeded(true);
    Sdk::Track("cv_click");
    FlushScheduler::AddPending(1);
    FlushScheduler::AfterEvent(true);
    EXPECT_EQ(FlushScheduler::Pending(), 0);
    EXPECT_EQ(m_Posts, 1);
    EXPECT_TRUE(Sdk::QueuedRecords().empty());
}

TEST_F(FlushSchedulerTest, FailingUploadsAreTriedThreeTimes) {
    cv_analytics::SetLastUploadSucceeded(true);
    m_Status = 500;
    Sdk::Track("cv_task");
    FlushScheduler::AddPending(1);
    testing::internal::CaptureStderr();
    FlushScheduler::FlushStep(true);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(m_Posts, 3);
    EXPECT_GT(FlushScheduler::Pending(), 0);
    EXPECT_EQ(Sdk::QueuedRecords().size(), 1u) << "the record stays queued";
}

TEST_F(FlushSchedulerTest, AfterAFailedUploadTheCallerDoesNotWait) {
    cv_analytics::SetLastUploadSucceeded(false);
    m_Open = false;  // the server hangs until released
    Sdk::Track("cv_task");
    FlushScheduler::AddPending(1);
    FlushScheduler::AfterEvent(true);  // returns while the post hangs
    for (int i = 0; i < 500 && m_Posts == 0; ++i) platform::SleepMilliseconds(2);
    EXPECT_EQ(m_Posts, 1);
    Release();
    for (int i = 0; i < 500 && FlushScheduler::Pending() != 0; ++i) platform::SleepMilliseconds(2);
    EXPECT_EQ(FlushScheduler::Pending(), 0);
}

}  // namespace
