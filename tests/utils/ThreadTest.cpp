#include "utils/Thread.h"

#include "platform/Thread.h"

#include <gmock/gmock.h>

#include <atomic>
#include <mutex>
#include <vector>

namespace {

constexpr uint32_t kJoinedId = 0xFFFFFFFFu;

TEST(Thread, RunsOnlyAfterTheOwnerResumesIt) {
    std::atomic<bool> ran{false};
    Utils::Thread thread;
    thread.Start(nullptr, L"ABDEF", [&](void*) -> uint32_t {
        ran = true;
        return 0;
    });
    ASSERT_TRUE(thread.HasHandle());
    EXPECT_NE(thread.GetThreadId(), 0u);
    platform::SleepMilliseconds(50);
    EXPECT_FALSE(ran);
    thread.Resume();
    thread.Join();
    EXPECT_TRUE(ran);
}

TEST(Thread, PassesItsArgumentAndRunsOnAnotherThread) {
    int owner = 0;
    void* seen = nullptr;
    uint32_t workerId = 0;
    Utils::Thread thread;
    thread.Start(&owner, L"ABDEF", [&](void* argument) -> uint32_t {
        seen = argument;
        workerId = platform::CurrentThreadId();
        return 0;
    });
    const uint32_t createdId = thread.GetThreadId();
    thread.Resume();
    thread.Join();
    EXPECT_EQ(seen, &owner);
    EXPECT_EQ(workerId, createdId);
    EXPECT_NE(workerId, platform::CurrentThreadId());
}

TEST(Thread, JoinForgetsTheThreadAndASecondJoinReturnsAtOnce) {
    Utils::Thread thread;
    thread.Start(nullptr, L"UnInstaller", [](void*) -> uint32_t { return 5; });
    thread.Resume();
    thread.Join();
    EXPECT_FALSE(thread.HasHandle());
    EXPECT_EQ(thread.GetThreadId(), kJoinedId);
    thread.Join();
    EXPECT_EQ(thread.GetThreadId(), kJoinedId);
}

TEST(Thread, DestructionWaitsForTheWork) {
    std::atomic<bool> finished{false};
    {
        Utils::Thread thread;
        thread.Start(nullptr, L"ABDEF", [&](void*) -> uint32_t {
            platform::SleepMilliseconds(100);
            finished = true;
            return 0;
        });
        thread.Resume();
    }
    EXPECT_TRUE(finished);
}

TEST(Thread, NeverResumedThreadIsReleasedWithoutRunning) {
    std::atomic<bool> ran{false};
    {
        Utils::Thread thread;
        thread.Start(nullptr, L"ABDEF", [&](void*) -> uint32_t {
            ran = true;
            return 0;
        });
        thread.Join();
        EXPECT_FALSE(thread.HasHandle());
    }
    platform::SleepMilliseconds(20);
    EXPECT_FALSE(ran);
}

TEST(Thread, JoiningANeverStartedThreadReturnsAtOnce) {
    Utils::Thread thread;
    thread.Join();
    EXPECT_FALSE(thread.HasHandle());
}

TEST(RestartThread, EndsThePreviousWorkBeforeTheNextBegins) {
    std::mutex mutex;
    std::vector<std::string> events;
    auto log = [&](const std::string& event) {
        std::lock_guard<std::mutex> lock(mutex);
        events.push_back(event);
    };
    std::unique_ptr<Utils::Thread> slot;
    Utils::RestartThread(slot, nullptr, L"ABDEF", [&](void*) -> uint32_t {
        log("first begins");
        platform::SleepMilliseconds(80);
        log("first ends");
        return 0;
    });
    Utils::Thread* first = slot.get();
    ASSERT_NE(first, nullptr);
    Utils::RestartThread(slot, nullptr, L"ABDEF", [&](void*) -> uint32_t {
        log("second runs");
        return 0;
    });
    slot->Join();
    EXPECT_THAT(events, testing::ElementsAre("first begins", "first ends", "second runs"));
}

}  // namespace
