#include "analytics/tracker/TrackLogger.h"

#include "platform/FileSystem.h"
#include "utils/Text.h"

#include <filesystem>

namespace corvel::tracking {

namespace {
// The log is for diagnostics only; a larger file is not read back.
constexpr size_t kMaxLogBytes = 16u * 1024u * 1024u;

// A path the narrow C++ streams cannot name (POSIX, non-ASCII in the C
// locale) leaves the stream closed instead of throwing.
void OpenForAppend(std::ofstream& stream, const std::wstring& path) {
    try {
        stream.open(std::filesystem::path(path), std::ios::binary | std::ios::app);
    } catch (const std::exception&) {
    }
}
}  // namespace

bool NativeTrackLogger::Open(const std::wstring& path) {
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (path == m_Path && m_Stream.is_open()) return true;
    m_Stream.close();
    m_Path = path;
    if (!platform::PathExists(path) && !platform::WriteWholeFile(path, "")) return false;
    OpenForAppend(m_Stream, path);
    return m_Stream.is_open();
}

void NativeTrackLogger::Write(const std::string& entry) {
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (!m_Stream.is_open()) return;
    m_Stream << entry << '\n';
    m_Stream.flush();
}

std::vector<std::string> NativeTrackLogger::ReadEntries() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    std::string bytes;
    std::vector<std::string> entries;
    if (!platform::ReadWholeFile(m_Path, bytes) || bytes.size() > kMaxLogBytes) return entries;
    for (std::string_view line : Utils::SplitLines(bytes))
        if (!line.empty()) entries.emplace_back(line);
    return entries;
}

void NativeTrackLogger::Clear() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Stream.close();
    platform::WriteWholeFile(m_Path, "");
    OpenForAppend(m_Stream, m_Path);
}

}  // namespace corvel::tracking
