#include "utils/Process.h"

#include "utils/CommandLineSplit.h"

#include <vector>

namespace Utils {

void Pipe::Create() {
    m_Read.Reset();
    m_Write.Reset();
    if (!platform::CreatePipe(m_Read, m_Write)) {
        Close();
        throw Exception(L"");
    }
}

void Pipe::Close() {
    m_Write.Reset();
    m_Read.Reset();
}

std::unique_ptr<Process> Process::Create(const std::wstring& commandLine) {
    auto process = std::make_unique<Process>();
    try {
        process->m_ErrorPipe.Create();
        process->m_OutputPipe.Create();
        process->m_InputPipe.Create();
        process->Launch(commandLine);
    } catch (...) {
        process->m_InputPipe.Close();
        process->m_OutputPipe.Close();
        process->m_ErrorPipe.Close();
        throw;
    }
    return process;
}

void Process::Launch(const std::wstring& commandLine) {
    if (commandLine.size() >= kCommandLineCapacity) throw Exception(L"");
    m_CommandLine.assign(commandLine);
    m_CommandLine.reserve(kCommandLineCapacity);

    // The parent's own ends must not reach the child: a child holding the
    // output write end would keep the parent's reads from ever ending.
    platform::SetInheritable(m_OutputPipe.m_Read, false);
    platform::SetInheritable(m_ErrorPipe.m_Read, false);
    platform::SetInheritable(m_InputPipe.m_Write, false);

    const platform::StandardStreams streams{m_InputPipe.m_Read.Get(), m_OutputPipe.m_Write.Get(),
                                            m_ErrorPipe.m_Write.Get()};
    uint32_t errorCode = 0;
    if (!platform::SpawnProcess(m_CommandLine, SplitCommandLine(commandLine), streams, m_ProcessInformation, errorCode))
        throw Exception(L"");

    // Only the child holds its ends now, so the output read end reports the
    // end of data once the child (and what it started) has closed them.
    m_OutputPipe.m_Write.Reset();
    m_ErrorPipe.m_Write.Reset();
    m_InputPipe.m_Read.Reset();
}

void Process::Close() {
    m_ProcessInformation.thread.Reset();
    m_ProcessInformation.process.Reset();
    m_InputPipe.m_Write.Reset();
    m_InputPipe.m_Read.Reset();
    m_OutputPipe.m_Write.Reset();
    m_OutputPipe.m_Read.Reset();
    m_ErrorPipe.m_Write.Reset();
    m_ErrorPipe.m_Read.Reset();
}

bool Process::ReadOutput(void* buffer, size_t size, size_t& read) {
    return platform::ReadSome(m_OutputPipe.m_Read, buffer, size, read);
}

bool Process::ReadError(void* buffer, size_t size, size_t& read) {
    return platform::ReadSome(m_ErrorPipe.m_Read, buffer, size, read);
}

uint32_t Process::GetExitCode() const {
    uint32_t code = 0;
    return platform::GetExitCode(m_ProcessInformation.process, code) ? code : 0;
}

bool Process::WaitForExit(int timeoutMs) const { return platform::WaitForExit(m_ProcessInformation.process, timeoutMs); }

}  // namespace Utils
