#pragma once
// Hidden child processes whose standard streams are anonymous pipes.
//
// Creation sequence (Process::Create): a zero-filled object; the error, the
// output and the input pipe; Launch. When any step throws Utils::Exception,
// every pipe end made so far is closed (input, output, error), the object is
// freed and the exception goes on to the caller.
//
// After a launch the parent holds the output and error read ends, the input
// write end and the process handles. The input stays open until Close(), so
// the child sees an input that never ends. One runner thread creates, reads
// and closes a Process.
#include "platform/Pipe.h"
#include "platform/Process.h"
#include "utils/Exception.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace Utils {

class Pipe {
public:
    // CreatePipe with inheritable ends. Throws Utils::Exception (empty text)
    // when the system refuses; no end is left open then.
    void Create();
    // Closes each end that is open.
    void Close();

    platform::FileHandle m_Write;
    platform::FileHandle m_Read;
};

class Process {
public:
    // The command line buffer: at most 1023 characters and the terminator.
    static constexpr size_t kCommandLineCapacity = 1024;

    // The whole creation sequence. Throws Utils::Exception after cleaning up.
    static std::unique_ptr<Process> Create(const std::wstring& commandLine);

    // Starts the child (the pipes must exist): the parent's own ends are made
    // non-inheritable, the child gets input, output and error, and after a
    // successful start the parent's copies of the child's ends are closed.
    // A command line over 1023 characters, or a program that cannot be
    // started, throws Utils::Exception; nothing is closed then.
    // On POSIX the command line is split by the Windows rules
    // (SplitCommandLine) and its first argument is the program.
    void Launch(const std::wstring& commandLine);

    // Closes the thread and process handles, then every open pipe end:
    // input write, input read, output write, output read, error write, error
    // read. The child, if it still runs, goes on.
    void Close();

    // Reads what the child wrote to its standard output, blocking until some
    // arrives; false once every writer has closed it.
    bool ReadOutput(void* buffer, size_t size, size_t& read);
    // The same for standard error (only tests read it).
    bool ReadError(void* buffer, size_t size, size_t& read);

    // The exit code, platform::kStillActive (259) while the child runs.
    uint32_t GetExitCode() const;
    // Waits for the child to end; timeoutMs < 0 waits without a limit.
    bool WaitForExit(int timeoutMs) const;

    std::wstring m_CommandLine;
    Pipe m_ErrorPipe;
    Pipe m_OutputPipe;
    Pipe m_InputPipe;
    platform::ProcessInformation m_ProcessInformation;
};

}  // namespace Utils
