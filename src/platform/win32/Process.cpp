#include "platform/Process.h"

#include "platform/win32/Win32.h"

namespace platform {

bool SpawnProcess(std::wstring& commandLine, const std::vector<std::wstring>&, const StandardStreams& streams,
                  ProcessInformation& info, uint32_t& errorCode) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;  // 68
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = streams.input;
    startup.hStdOutput = streams.output;
    startup.hStdError = streams.error;
    PROCESS_INFORMATION created{};
    // CreateProcessW may write into the command line, so it gets the
    // caller's own buffer.
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &created)) {
        errorCode = ::GetLastError();
        return false;
    }
    info.process.Reset(created.hProcess);
    info.thread.Reset(created.hThread);
    info.processId = created.dwProcessId;
    info.threadId = created.dwThreadId;
    return true;
}

bool GetExitCode(const ProcessHandle& process, uint32_t& exitCode) {
    DWORD code = 0;
    if (!process || !::GetExitCodeProcess(process.Get(), &code)) return false;
    exitCode = code;
    return true;
}

bool WaitForExit(const ProcessHandle& process, int timeoutMs) {
    if (!process) return false;
    const DWORD wait = timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs);
    return ::WaitForSingleObject(process.Get(), wait) == WAIT_OBJECT_0;
}

uint32_t CountOpenHandles() {
    DWORD count = 0;
    return ::GetProcessHandleCount(::GetCurrentProcess(), &count) ? count : 0;
}

}  // namespace platform
