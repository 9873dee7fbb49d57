#include "utils/Thread.h"

#include "utils/Log.h"
#include "utils/Text.h"

namespace Utils {

namespace {
constexpr uint32_t kNoThreadId = 0xFFFFFFFFu;
}

Thread::~Thread() {
    Join();
    m_Name.clear();
    m_Callable = nullptr;
}

void Thread::Start(void* argument, const std::wstring& name, Callable callable) {
    Join();  // a second start replaces the first thread, never leaks it
    m_Callable = std::move(callable);
    m_Argument = argument;
    m_Name = name;
    if (!platform::CreateSuspendedThread(&Thread::CallBack, this, m_Handle, m_ThreadId)) return;
    std::string debugName = WideToAnsi(m_Name);
    if (m_Name.empty()) debugName = fmt::format("t{}", m_ThreadId);
    platform::SetThreadDebugName(m_Handle, m_ThreadId, debugName);
}

void Thread::Resume() {
    if (!m_Handle) return;
    m_Resumed = true;
    platform::ResumeThread(m_Handle);
}

void Thread::Join() {
    if (!m_Handle) return;
    if (!m_Resumed) {
        // Never resumed: let it run just far enough to end without the work.
        m_Cancelled = true;
        platform::ResumeThread(m_Handle);
    }
    platform::WaitForThread(m_Handle);
    m_Resumed = false;
    m_Cancelled = false;
    m_Handle.Reset();
    m_ThreadId = kNoThreadId;
}

unsigned NOTAVION_THREAD_CALL Thread::CallBack(void* parameter) {
    auto* self = static_cast<Thread*>(parameter);
    if (self->m_Cancelled) return 0;
    UTILS_LOG(L"THREAD BEGIN\r\n");
    self->m_Callable(self->m_Argument);
    UTILS_LOG(L"THREAD END\r\n");
    // Returning from the procedure ends the thread through the runtime's
    // thread exit with this code.
    return 0;
}

void RestartThread(std::unique_ptr<Thread>& slot, void* argument, const std::wstring& name,
                   Thread::Callable callable) {
    if (slot) {
        slot->Join();
        slot.reset();
    }
    auto thread = std::make_unique<Thread>();
    thread->Start(argument, name, std::move(callable));
    slot = std::move(thread);
    slot->Resume();
}

}  // namespace Utils
