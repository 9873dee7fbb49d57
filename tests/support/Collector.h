#pragma once
// The stand-in collection endpoint (tools/collector), started by a test on
// a free loopback port and stopped when the object goes.
#include "utils/Process.h"

#include <memory>
#include <string>
#include <vector>

namespace testsupport {

class Collector {
public:
    // options: the collector's fault options, e.g. L"--status 201".
    explicit Collector(const std::wstring& options = L"");
    ~Collector();
    Collector(const Collector&) = delete;
    Collector& operator=(const Collector&) = delete;

    bool Started() const { return m_Port != 0; }
    std::string Url() const;

    // Stops the collector and returns every record it accepted (one JSON
    // text each), in the order they arrived.
    std::vector<std::string> StopAndReadRecords();

private:
    std::unique_ptr<Utils::Process> m_Process;
    int m_Port = 0;
    std::string m_Pending;  // output read past the PORT line
};

}  // namespace testsupport
