#include "platform/Pipe.h"

#include "platform/win32/Win32.h"

namespace platform {

bool CreatePipe(FileHandle& readEnd, FileHandle& writeEnd) {
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof attributes;  // 12 on 32-bit Windows
    attributes.lpSecurityDescriptor = nullptr;
    attributes.bInheritHandle = TRUE;
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &attributes, 0)) {
        if (read) ::CloseHandle(read);
        if (write) ::CloseHandle(write);
        return false;
    }
    readEnd.Reset(read);
    writeEnd.Reset(write);
    return true;
}

bool SetInheritable(const FileHandle& handle, bool inheritable) {
    return ::SetHandleInformation(handle.Get(), HANDLE_FLAG_INHERIT, inheritable ? HANDLE_FLAG_INHERIT : 0) != FALSE;
}

bool ReadSome(const FileHandle& handle, void* buffer, size_t size, size_t& read) {
    read = 0;
    if (!handle) return false;
    DWORD got = 0;
    const DWORD want = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(size);
    // Fails with ERROR_BROKEN_PIPE once every holder of the write end closed it.
    if (!::ReadFile(handle.Get(), buffer, want, &got, nullptr) || got == 0) return false;
    read = got;
    return true;
}

bool WriteAll(const FileHandle& handle, const void* data, size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        DWORD written = 0;
        const DWORD chunk = size > 0x100000 ? 0x100000 : static_cast<DWORD>(size);
        if (!::WriteFile(handle.Get(), bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

}  // namespace platform
