#pragma once
// The track logger: a file the tracker may write its events into. In this
// system the event log is switched off, so the file is only opened.
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace corvel::tracking {

class TrackLogger {
public:
    virtual ~TrackLogger() = default;
    // The entries written so far (one per line).
    virtual std::vector<std::string> ReadEntries() = 0;
    virtual void Clear() = 0;
};

class NativeTrackLogger : public TrackLogger {
public:
    // Opening the path already open does nothing; otherwise the current file
    // is closed, the new one created empty when missing and opened for
    // appending. False when it cannot be opened.
    bool Open(const std::wstring& path);
    void Write(const std::string& entry);
    std::vector<std::string> ReadEntries() override;
    void Clear() override;
    const std::wstring& Path() const { return m_Path; }

private:
    std::mutex m_Mutex;
    std::wstring m_Path;
    std::ofstream m_Stream;
};

}  // namespace corvel::tracking
