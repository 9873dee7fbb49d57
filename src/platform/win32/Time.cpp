#include "platform/Time.h"

#include "platform/win32/Win32.h"

#include <time.h>

namespace platform {

LocalTime GetLocalTime() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

LocalTime ToLocalTime(int64_t secondsSinceEpoch) {
    const __time64_t seconds = secondsSinceEpoch;
    tm parts{};
    if (_localtime64_s(&parts, &seconds) != 0) return LocalTime{0, 0, 0, 0, 0, 0, 0};
    return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, 0};
}

uint32_t GetTickCount() { return ::GetTickCount(); }

}  // namespace platform
