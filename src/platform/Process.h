#pragma once
// Child processes with redirected standard streams.
#include "platform/Handles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The exit code while a process still runs (STILL_ACTIVE).
constexpr uint32_t kStillActive = 259;

#if defined(_WIN32)
using ProcessHandle = FileHandle;  // process and thread handles
#else
struct ChildTraits {
    struct Child;  // pid and, once reaped, the exit status
    using Type = Child*;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type child) noexcept;
};
using ProcessHandle = UniqueHandle<ChildTraits>;
#endif

// PROCESS_INFORMATION.
struct ProcessInformation {
    ProcessHandle process;
    ProcessHandle thread;  // POSIX: never valid
    uint32_t processId = 0;
    uint32_t threadId = 0;
};

struct StandardStreams {
    FileHandle::Type input;
    FileHandle::Type output;
    FileHandle::Type error;
};

// Starts a hidden child with the given standard streams.
// Windows: CreateProcessW with no application name, the (writable)
// commandLine buffer, handle inheritance on, the parent's environment and
// current folder. POSIX: the program arguments[0] (searched in PATH when it
// holds no '/') with arguments; the child gets exactly the three streams.
// Returns false when the program cannot be started, with errorCode set.
bool SpawnProcess(std::wstring& commandLine, const std::vector<std::wstring>& arguments,
                  const StandardStreams& streams, ProcessInformation& info, uint32_t& errorCode);

// GetExitCodeProcess: kStillActive while the process runs. False when the
// handle is not valid.
bool GetExitCode(const ProcessHandle& process, uint32_t& exitCode);

// Waits for the process to end. timeoutMs < 0 waits without a limit.
// Returns true when it has ended.
bool WaitForExit(const ProcessHandle& process, int timeoutMs);

// The number of handles (file descriptors) this process holds open; tests
// use it to show that nothing leaks. 0 where the system cannot tell.
uint32_t CountOpenHandles();

}  // namespace platform
