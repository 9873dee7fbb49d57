#pragma once
// When the tracker uploads. Events that must go out at once run a flush-now
// step (up to 3 flush-all attempts while records are pending); the others
// only count as pending. The step runs on the caller's thread while uploads
// succeed and on a detached thread once one has failed, so a caller never
// waits on a dead network twice. State is process-wide, so a detached step
// never touches a destroyed tracker.
namespace corvel::tracking {

class FlushScheduler {
public:
    static constexpr int kAttempts = 3;

    static void ResetPending();
    static void AddPending(int count);
    static int Pending();

    // After a tracked event: the flush step, here or on a detached thread.
    static void AfterEvent(bool flushNow);
    // One flush step under the process-wide flush-step mutex.
    static void FlushStep(bool flushNow);
    // At teardown: up to 3 flush-all attempts while records are pending.
    static void FlushAtTeardown();
};

}  // namespace corvel::tracking
