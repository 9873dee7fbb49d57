#include "platform/Debug.h"

#include "platform/posix/Utf8.h"

#include <unistd.h>

#include <cerrno>

namespace platform {

void OutputDebugText(const std::wstring& text) noexcept {
    try {
        const std::string bytes = posix::ToUtf8(text);
        const char* data = bytes.data();
        size_t left = bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(STDERR_FILENO, data, left);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return;
            data += written;
            left -= static_cast<size_t>(written);
        }
    } catch (...) {
        // Tracing never fails its caller.
    }
}

}  // namespace platform
