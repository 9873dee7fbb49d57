#include "support/Collector.h"

#include "utils/Text.h"

#include <gtest/gtest.h>

namespace testsupport {

Collector::Collector(const std::wstring& options) {
    const std::wstring script = Utils::Utf8ToWide(NOTAVION_SOURCE_DIR "/tools/collector/collector.py");
    m_Process = Utils::Process::Create(L"python3 \"" + script + L"\" --port 0 --records - " + options);
    // The first line is "PORT <n>".
    char buffer[256];
    size_t got = 0;
    while (m_Pending.find('\n') == std::string::npos && m_Process->ReadOutput(buffer, sizeof buffer, got))
        m_Pending.append(buffer, got);
    const size_t end = m_Pending.find('\n');
    if (m_Pending.rfind("PORT ", 0) != 0 || end == std::string::npos) {
        ADD_FAILURE() << "the collector did not start: " << m_Pending;
        return;
    }
    m_Port = std::stoi(m_Pending.substr(5, end - 5));
    m_Pending.erase(0, end + 1);
}

Collector::~Collector() {
    if (m_Process) StopAndReadRecords();
}

std::string Collector::Url() const { return "http://127.0.0.1:" + std::to_string(m_Port) + "/collect"; }

std::vector<std::string> Collector::StopAndReadRecords() {
    std::vector<std::string> records;
    if (!m_Process) return records;
    // Closing its standard input stops the collector; its output then ends.
    m_Process->m_InputPipe.m_Write.Reset();
    char buffer[4096];
    size_t got = 0;
    while (m_Process->ReadOutput(buffer, sizeof buffer, got)) m_Pending.append(buffer, got);
    m_Process->WaitForExit(10000);
    m_Process->Close();
    m_Process.reset();
    for (std::string_view line : Utils::SplitLines(m_Pending))
        if (!line.empty()) records.emplace_back(line);
    return records;
}

}  // namespace testsupport
