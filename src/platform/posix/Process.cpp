#include "platform/Process.h"

#include "platform/Thread.h"
#include "platform/posix/Utf8.h"

#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

extern char** environ;

namespace platform {

struct ChildTraits::Child {
    pid_t pid = 0;
    bool reaped = false;
    uint32_t exitCode = kStillActive;
};

namespace {

uint32_t ExitCodeOf(int status) {
    if (WIFEXITED(status)) return static_cast<uint32_t>(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return 128u + static_cast<uint32_t>(WTERMSIG(status));
    return kStillActive;
}

// Collects the child's status if it has ended; blocking waits until it has.
void Reap(ChildTraits::Child& child, bool blocking) {
    if (child.reaped) return;
    int status = 0;
    pid_t result;
    do {
        result = ::waitpid(child.pid, &status, blocking ? 0 : WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == child.pid) {
        child.reaped = true;
        child.exitCode = ExitCodeOf(status);
    } else if (result < 0) {
        // Someone else collected it; nothing more can be learnt.
        child.reaped = true;
        child.exitCode = 0;
    }
}

}  // namespace

void ChildTraits::Close(Child* child) noexcept {
    // A child that still runs goes on running, as after CloseHandle.
    Reap(*child, false);
    delete child;
}

bool SpawnProcess(std::wstring&, const std::vector<std::wstring>& arguments, const StandardStreams& streams,
                  ProcessInformation& info, uint32_t& errorCode) {
    if (arguments.empty() || arguments[0].empty()) {
        errorCode = ENOENT;
        return false;
    }
    std::vector<std::string> narrow;
    narrow.reserve(arguments.size());
    for (const auto& argument : arguments) narrow.push_back(posix::ToUtf8(argument));
    std::vector<char*> argv;
    for (auto& argument : narrow) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, streams.input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, streams.output, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, streams.error, STDERR_FILENO);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // The child starts with default signal handling, whatever the parent set.
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int result = ::posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        errorCode = static_cast<uint32_t>(result);
        return false;
    }
    auto* child = new ChildTraits::Child;
    child->pid = pid;
    info.process.Reset(child);
    info.thread.Reset();
    info.processId = static_cast<uint32_t>(pid);
    info.threadId = static_cast<uint32_t>(pid);
    return true;
}

bool GetExitCode(const ProcessHandle& process, uint32_t& exitCode) {
    if (!process) return false;
    Reap(*process.Get(), false);
    exitCode = process.Get()->exitCode;
    return true;
}

bool WaitForExit(const ProcessHandle& process, int timeoutMs) {
    if (!process) return false;
    auto& child = *process.Get();
    if (timeoutMs < 0) {
        Reap(child, true);
        return true;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        Reap(child, false);
        if (child.reaped) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        SleepMilliseconds(2);
    }
}

uint32_t CountOpenHandles() {
    DIR* folder = ::opendir("/proc/self/fd");
    if (!folder) return 0;
    uint32_t count = 0;
    while (const dirent* entry = ::readdir(folder))
        if (entry->d_name[0] != '.') ++count;
    ::closedir(folder);
    return count - 1;  // the descriptor of the listing itself
}

}  // namespace platform
