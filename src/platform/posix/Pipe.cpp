#include "platform/Pipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

bool CreatePipe(FileHandle& readEnd, FileHandle& writeEnd) {
    // Close-on-exec from the start: a child receives only the descriptors
    // SpawnProcess hands it, so a pipe end never leaks into an unrelated
    // child started at the same moment by another thread.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
    readEnd.Reset(fds[0]);
    writeEnd.Reset(fds[1]);
    return true;
}

bool SetInheritable(const FileHandle& handle, bool) { return handle.IsValid(); }

bool ReadSome(const FileHandle& handle, void* buffer, size_t size, size_t& read) {
    read = 0;
    if (!handle) return false;
    while (true) {
        const ssize_t got = ::read(handle.Get(), buffer, size);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        read = static_cast<size_t>(got);
        return true;
    }
}

bool WriteAll(const FileHandle& handle, const void* data, size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(handle.Get(), bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

}  // namespace platform
