#include "platform/FileSystem.h"

#include "platform/UniqueHandle.h"
#include "platform/win32/Win32.h"

#include <shlwapi.h>

#include <algorithm>

namespace platform {

const wchar_t kPathSeparator = L'\\';

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring GetModulePath() {
    wchar_t buffer[MAX_PATH] = {};
    // Cuts a longer path at MAX_PATH - 1 characters; the caller works with
    // what fits, as the rest of the system does.
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::wstring(buffer, length);
}

bool PathExists(const std::wstring& path) { return ::PathFileExistsW(path.c_str()) != FALSE; }

bool CreateOneDirectory(const std::wstring& path) { return ::CreateDirectoryW(path.c_str(), nullptr) != FALSE; }

std::wstring GetTempFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) return {};
    return std::wstring(buffer, length);
}

bool QueryDiskFreeSpace(const std::wstring& directory, DiskSpace& space, uint32_t& errorCode) {
    ULARGE_INTEGER available{}, total{}, totalFree{};
    if (!::GetDiskFreeSpaceExW(directory.c_str(), &available, &total, &totalFree)) {
        errorCode = ::GetLastError();
        return false;
    }
    space = {available.QuadPart, total.QuadPart, totalFree.QuadPart};
    return true;
}

namespace {
struct FileCloser {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) noexcept { ::CloseHandle(handle); }
};
using File = UniqueHandle<FileCloser>;
}  // namespace

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    File file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    bytes.clear();
    char chunk[65536];
    DWORD got = 0;
    while (::ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    return true;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    File file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    size_t offset = 0;
    while (offset < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - offset, 1u << 20));
        if (!::WriteFile(file.Get(), bytes.data() + offset, chunk, &written, nullptr) || written == 0) return false;
        offset += written;
    }
    return true;
}

bool DeleteOneFile(const std::wstring& path) { return ::DeleteFileW(path.c_str()) != FALSE; }

bool CopyOneFile(const std::wstring& from, const std::wstring& to) {
    return ::CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool RemoveOneDirectory(const std::wstring& path) { return ::RemoveDirectoryW(path.c_str()) != FALSE; }

bool ReplaceFileWith(const std::wstring& from, const std::wstring& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace platform
