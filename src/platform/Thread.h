#pragma once
// Threads in the form of the C runtime's _beginthreadex: a thread can be
// created suspended, so that its owner stores its pointer to the thread
// object before any work runs, and is then resumed by that owner.
#include "platform/UniqueHandle.h"

#include <cstdint>
#include <string>

namespace platform {

// The runtime's thread procedures use the stdcall convention on 32-bit
// Windows; a procedure handed to CreateSuspendedThread is declared
// "unsigned NOTAVION_THREAD_CALL Proc(void*)".
#if defined(_WIN32)
#define NOTAVION_THREAD_CALL __stdcall
#else
#define NOTAVION_THREAD_CALL
#endif
using ThreadProc = unsigned(NOTAVION_THREAD_CALL*)(void* parameter);

namespace detail {
struct ThreadControl;  // POSIX: the pthread plus its start gate
}

struct ThreadHandleTraits {
#if defined(_WIN32)
    using Type = void*;
#else
    using Type = detail::ThreadControl*;
#endif
    static Type Invalid() noexcept { return nullptr; }
    // Closing never waits and never stops a running thread. A thread that
    // was never resumed stays suspended until the process ends (Windows) or
    // is released without running its procedure (POSIX); owners resume
    // every thread they create.
    static void Close(Type handle) noexcept;
};
using ThreadHandle = UniqueHandle<ThreadHandleTraits>;

// Creates a suspended thread that will call proc(parameter) once resumed.
// Returns false (handle left invalid) when the system refuses; threadId is
// then left unchanged.
bool CreateSuspendedThread(ThreadProc proc, void* parameter, ThreadHandle& handle,
                           uint32_t& threadId);

// Lets a suspended thread run. Does nothing for a thread already running.
void ResumeThread(const ThreadHandle& handle);

// Waits without a time limit until the thread has ended.
void WaitForThread(const ThreadHandle& handle);

// Names a thread for debuggers. Windows raises the debugger's thread-naming
// exception (0x406D1388) and ignores it whether or not a debugger listens;
// POSIX sets the kernel's thread name (cut to 15 bytes).
void SetThreadDebugName(const ThreadHandle& handle, uint32_t threadId, const std::string& ansiName);

// The kernel's name of a thread of this process, where the platform keeps
// one that can be read back (POSIX); empty elsewhere.
std::string ReadThreadDebugName(uint32_t threadId);

uint32_t CurrentThreadId();
uint32_t CurrentProcessId();

void SleepMilliseconds(uint32_t milliseconds);

}  // namespace platform
