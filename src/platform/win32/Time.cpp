#include "platform/Time.h"

#include "platform/win32/Win32.h"

namespace platform {

LocalTime GetLocalTime() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

uint32_t GetTickCount() { return ::GetTickCount(); }

}  // namespace platform
