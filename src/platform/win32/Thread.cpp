#include "platform/Thread.h"

#include "platform/win32/Win32.h"

#include <process.h>

namespace platform {

void ThreadHandleTraits::Close(void* handle) noexcept { ::CloseHandle(handle); }

bool CreateSuspendedThread(ThreadProc proc, void* parameter, ThreadHandle& handle, uint32_t& threadId) {
    unsigned id = 0;
    // _beginthreadex (not CreateThread) so that the C runtime sets up its
    // per-thread data for the new thread.
    const uintptr_t created = ::_beginthreadex(nullptr, 0, proc, parameter, CREATE_SUSPENDED, &id);
    if (created == 0) return false;
    handle.Reset(reinterpret_cast<HANDLE>(created));
    threadId = id;
    return true;
}

void ResumeThread(const ThreadHandle& handle) {
    if (handle) ::ResumeThread(handle.Get());
}

void WaitForThread(const ThreadHandle& handle) {
    if (handle) ::WaitForSingleObject(handle.Get(), INFINITE);
}

namespace {

constexpr DWORD kSetThreadNameException = 0x406D1388;

// The naming exception is meant for a debugger; without one (or after the
// debugger passed it on) this handler swallows it so that execution goes on.
LONG CALLBACK IgnoreThreadNameException(EXCEPTION_POINTERS* info) {
    if (info->ExceptionRecord->ExceptionCode == kSetThreadNameException) return EXCEPTION_CONTINUE_EXECUTION;
    return EXCEPTION_CONTINUE_SEARCH;
}

#pragma pack(push, 8)
struct ThreadNameInfo {
    DWORD type;      // 0x1000
    LPCSTR name;
    DWORD threadId;
    DWORD flags;
};
#pragma pack(pop)

}  // namespace

void SetThreadDebugName(const ThreadHandle&, uint32_t threadId, const std::string& ansiName) {
    // mingw has no __try/__except: a vectored handler stands in for the
    // catch-and-ignore. It is installed once and stays for the process.
    static PVOID handler = ::AddVectoredExceptionHandler(1, IgnoreThreadNameException);
    (void)handler;
    ThreadNameInfo info{0x1000, ansiName.c_str(), threadId, 0};
    ::RaiseException(kSetThreadNameException, 0, sizeof info / sizeof(ULONG_PTR),
                     reinterpret_cast<const ULONG_PTR*>(&info));
}

std::string ReadThreadDebugName(uint32_t) { return {}; }

uint32_t CurrentThreadId() { return ::GetCurrentThreadId(); }
uint32_t CurrentProcessId() { return ::GetCurrentProcessId(); }

void SleepMilliseconds(uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace platform
