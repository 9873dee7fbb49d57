#pragma once
#include <cstdint>
#include <string>

namespace platform {

// The separator that the platform's paths use ('\\' on Windows, '/' on POSIX).
extern const wchar_t kPathSeparator;

// True for every character the platform accepts as a path separator
// (Windows: '\\' and '/'; POSIX: '/').
bool IsPathSeparator(wchar_t c);

// Full path of the running executable, read into 260 characters as
// GetModuleFileNameW does (longer paths come back cut); empty on failure.
std::wstring GetModulePath();

// True when a file or folder exists at path (PathFileExistsW).
bool PathExists(const std::wstring& path);

// Creates one folder level (CreateDirectoryW). False when it cannot be
// created, an existing folder included.
bool CreateOneDirectory(const std::wstring& path);

// The user's temporary folder, ending with a separator (GetTempPathW);
// empty on failure.
std::wstring GetTempFolder();

struct DiskSpace {
    uint64_t freeBytesAvailable;
    uint64_t totalBytes;
    uint64_t totalFreeBytes;
};
// GetDiskFreeSpaceExW for the volume holding directory. On failure returns
// false and sets errorCode to the system error number.
bool QueryDiskFreeSpace(const std::wstring& directory, DiskSpace& space, uint32_t& errorCode);

// Reads and writes whole files (test fixtures and small settings files).
bool ReadWholeFile(const std::wstring& path, std::string& bytes);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
bool DeleteOneFile(const std::wstring& path);
// Copies a file over any existing one, keeping it executable where the
// source is (CopyFileW).
bool CopyOneFile(const std::wstring& from, const std::wstring& to);
bool RemoveOneDirectory(const std::wstring& path);

// Moves from over to, replacing an existing file in one step where the file
// system allows (MoveFileExW with MOVEFILE_REPLACE_EXISTING; rename).
bool ReplaceFileWith(const std::wstring& from, const std::wstring& to);

}  // namespace platform
