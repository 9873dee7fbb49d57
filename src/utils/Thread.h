#pragma once
// A named worker thread that runs one callable with one untyped argument.
//
// Use: Start() creates the thread suspended and names it; the owner stores
// its pointer to the object and only then calls Resume(), so the pointer is
// valid before the work runs. Join() and destruction wait without a time
// limit. An object is used by its owner's controlling thread alone.
#include "platform/Thread.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace Utils {

class Thread {
public:
    using Callable = std::function<uint32_t(void*)>;

    Thread() = default;
    ~Thread();  // waits for the thread, like Join()
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Creates the thread suspended and gives it its debugger name (an empty
    // name becomes "t" and the thread id). When the system refuses, no
    // handle exists and the work never runs.
    void Start(void* argument, const std::wstring& name, Callable callable);

    // Lets the started thread run (ResumeThread). Nothing without a handle.
    void Resume();

    // Waits for the thread without a time limit, then forgets it: no
    // handle, id all ones. Returns at once when there is no thread; a thread
    // that was never resumed is released without running (waiting for it
    // would never end).
    void Join();

    bool HasHandle() const { return m_Handle.IsValid(); }
    uint32_t GetThreadId() const { return m_ThreadId; }
    const std::wstring& GetName() const { return m_Name; }

private:
    static unsigned NOTAVION_THREAD_CALL CallBack(void* parameter);

    uint32_t m_ThreadId = 0;
    platform::ThreadHandle m_Handle;
    Callable m_Callable;
    void* m_Argument = nullptr;
    std::wstring m_Name;
    bool m_Resumed = false;
    std::atomic<bool> m_Cancelled{false};  // set by Join() before it resumes a never-resumed thread
};

// The restart pattern every owner follows: join and drop the previous
// thread object (if any), then start a new one, store it in slot and resume
// it, in that order.
void RestartThread(std::unique_ptr<Thread>& slot, void* argument, const std::wstring& name,
                   Thread::Callable callable);

}  // namespace Utils
