#include "platform/Thread.h"

#include <pthread.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <fstream>
#include <mutex>

namespace platform {

namespace detail {

// pthreads cannot be created suspended, so each thread waits at a gate until
// its owner resumes it. The block is shared by the thread and its handle and
// freed by whichever lets go last.
struct ThreadControl {
    enum class Gate { kSuspended, kResumed, kCancelled };

    ThreadProc proc = nullptr;
    void* parameter = nullptr;
    pthread_t thread{};
    std::mutex mutex;
    std::condition_variable changed;
    Gate gate = Gate::kSuspended;
    pid_t threadId = 0;  // published by the thread before it waits
    bool joined = false;
    std::atomic<int> references{2};

    void Unref() {
        if (references.fetch_sub(1) == 1) delete this;
    }
};

}  // namespace detail

namespace {

void* Trampoline(void* raw) {
    auto* control = static_cast<detail::ThreadControl*>(raw);
    bool run = false;
    {
        std::unique_lock<std::mutex> lock(control->mutex);
        control->threadId = static_cast<pid_t>(::syscall(SYS_gettid));
        control->changed.notify_all();
        control->changed.wait(lock, [&] { return control->gate != detail::ThreadControl::Gate::kSuspended; });
        run = control->gate == detail::ThreadControl::Gate::kResumed;
    }
    if (run) control->proc(control->parameter);
    control->Unref();
    return nullptr;
}

}  // namespace

void ThreadHandleTraits::Close(detail::ThreadControl* control) noexcept {
    {
        std::lock_guard<std::mutex> lock(control->mutex);
        if (control->gate == detail::ThreadControl::Gate::kSuspended) {
            control->gate = detail::ThreadControl::Gate::kCancelled;
            control->changed.notify_all();
        }
        if (!control->joined) {
            pthread_detach(control->thread);
            control->joined = true;
        }
    }
    control->Unref();
}

bool CreateSuspendedThread(ThreadProc proc, void* parameter, ThreadHandle& handle, uint32_t& threadId) {
    auto* control = new detail::ThreadControl;
    control->proc = proc;
    control->parameter = parameter;
    if (pthread_create(&control->thread, nullptr, Trampoline, control) != 0) {
        delete control;
        return false;
    }
    std::unique_lock<std::mutex> lock(control->mutex);
    control->changed.wait(lock, [&] { return control->threadId != 0; });
    threadId = static_cast<uint32_t>(control->threadId);
    lock.unlock();
    handle.Reset(control);
    return true;
}

void ResumeThread(const ThreadHandle& handle) {
    auto* control = handle.Get();
    if (!control) return;
    std::lock_guard<std::mutex> lock(control->mutex);
    if (control->gate == detail::ThreadControl::Gate::kSuspended) {
        control->gate = detail::ThreadControl::Gate::kResumed;
        control->changed.notify_all();
    }
}

void WaitForThread(const ThreadHandle& handle) {
    auto* control = handle.Get();
    if (!control) return;
    std::unique_lock<std::mutex> lock(control->mutex);
    if (control->joined) return;
    control->joined = true;
    lock.unlock();
    pthread_join(control->thread, nullptr);
}

void SetThreadDebugName(const ThreadHandle& handle, uint32_t, const std::string& ansiName) {
    if (!handle) return;
    // The kernel keeps at most 15 bytes and refuses longer names.
    pthread_setname_np(handle.Get()->thread, ansiName.substr(0, 15).c_str());
}

std::string ReadThreadDebugName(uint32_t threadId) {
    std::ifstream comm("/proc/self/task/" + std::to_string(threadId) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

uint32_t CurrentThreadId() { return static_cast<uint32_t>(::syscall(SYS_gettid)); }
uint32_t CurrentProcessId() { return static_cast<uint32_t>(::getpid()); }

void SleepMilliseconds(uint32_t milliseconds) {
    timespec delay{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&delay, &delay) != 0) {
    }
}

}  // namespace platform
