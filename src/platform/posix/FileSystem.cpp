#include "platform/FileSystem.h"

#include "platform/posix/Utf8.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace platform {

using posix::FromUtf8;
using posix::ToUtf8;

const wchar_t kPathSeparator = L'/';

bool IsPathSeparator(wchar_t c) { return c == L'/'; }

std::wstring GetModulePath() {
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return {};
    return FromUtf8(std::string_view(buffer, static_cast<size_t>(length)));
}

bool PathExists(const std::wstring& path) {
    struct stat info{};
    return ::stat(ToUtf8(path).c_str(), &info) == 0;
}

bool CreateOneDirectory(const std::wstring& path) { return ::mkdir(ToUtf8(path).c_str(), 0755) == 0; }

std::wstring GetTempFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = (tmp && *tmp) ? tmp : "/tmp";
    if (folder.back() != '/') folder.push_back('/');
    return FromUtf8(folder);
}

bool QueryDiskFreeSpace(const std::wstring& directory, DiskSpace& space, uint32_t& errorCode) {
    struct statvfs info{};
    if (::statvfs(ToUtf8(directory).c_str(), &info) != 0) {
        errorCode = static_cast<uint32_t>(errno);
        return false;
    }
    const uint64_t unit = info.f_frsize ? info.f_frsize : info.f_bsize;
    space.freeBytesAvailable = static_cast<uint64_t>(info.f_bavail) * unit;
    space.totalBytes = static_cast<uint64_t>(info.f_blocks) * unit;
    space.totalFreeBytes = static_cast<uint64_t>(info.f_bfree) * unit;
    return true;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    std::ifstream file(ToUtf8(path), std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(ToUtf8(path), std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool DeleteOneFile(const std::wstring& path) { return ::unlink(ToUtf8(path).c_str()) == 0; }

bool CopyOneFile(const std::wstring& from, const std::wstring& to) {
    struct stat info{};
    std::string bytes;
    if (::stat(ToUtf8(from).c_str(), &info) != 0 || !ReadWholeFile(from, bytes) || !WriteWholeFile(to, bytes))
        return false;
    return ::chmod(ToUtf8(to).c_str(), info.st_mode & 07777) == 0;
}

bool RemoveOneDirectory(const std::wstring& path) { return ::rmdir(ToUtf8(path).c_str()) == 0; }

bool ReplaceFileWith(const std::wstring& from, const std::wstring& to) {
    return std::rename(ToUtf8(from).c_str(), ToUtf8(to).c_str()) == 0;
}

}  // namespace platform
