#include "analytics/tracker/FlushScheduler.h"

#include "analytics/sdk/Sdk.h"
#include "analytics/sdk/SendStatus.h"
#include "platform/Debug.h"
#include "platform/Thread.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace corvel::tracking {

namespace {
std::atomic<int> g_Pending{0};
std::mutex g_FlushStepMutex;

// Flush all while records are pending; true once the queue went out.
bool FlushPending() {
    for (int attempt = 0; attempt < FlushScheduler::kAttempts && g_Pending > 0; ++attempt) {
        if (cv_analytics::Sdk::FlushAll()) {
            g_Pending = 0;
            return true;
        }
        platform::SleepMilliseconds(1);
    }
    return false;
}
}  // namespace

void FlushScheduler::ResetPending() { g_Pending = 0; }
void FlushScheduler::AddPending(int count) { g_Pending += count; }
int FlushScheduler::Pending() { return g_Pending; }

void FlushScheduler::FlushStep(bool flushNow) {
    std::lock_guard<std::mutex> lock(g_FlushStepMutex);
    if (flushNow) {
        FlushPending();
    } else {
        platform::SleepMilliseconds(1);
        ++g_Pending;
    }
}

void FlushScheduler::AfterEvent(bool flushNow) {
    if (cv_analytics::LastUploadSucceeded()) {
        FlushStep(flushNow);
        return;
    }
    platform::OutputDebugText(L"[Analytics] Sending messages asynchronously");
    std::thread([flushNow] { FlushStep(flushNow); }).detach();
}

void FlushScheduler::FlushAtTeardown() { FlushPending(); }

}  // namespace corvel::tracking
