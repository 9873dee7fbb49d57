#include "platform/Time.h"

#include <time.h>

namespace platform {

LocalTime GetLocalTime() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm parts{};
    localtime_r(&now.tv_sec, &parts);
    return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                     parts.tm_min,         parts.tm_sec,     static_cast<int>(now.tv_nsec / 1000000)};
}

LocalTime ToLocalTime(int64_t secondsSinceEpoch) {
    const time_t seconds = static_cast<time_t>(secondsSinceEpoch);
    tm parts{};
    if (!localtime_r(&seconds, &parts)) return LocalTime{0, 0, 0, 0, 0, 0, 0};
    return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, 0};
}

uint32_t GetTickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec / 1000000);
    return static_cast<uint32_t>(ms);
}

}  // namespace platform
