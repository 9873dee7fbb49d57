#pragma once
#include <cstdint>

namespace platform {

// The local wall-clock time, as GetLocalTime reports it; one reading.
struct LocalTime {
    int year;
    int month;   // 1 to 12
    int day;     // 1 to 31
    int hour;    // 0 to 23
    int minute;
    int second;
    int millisecond;
};

LocalTime GetLocalTime();

// Seconds since 1970-01-01 UTC in local time (millisecond 0). A count the
// system cannot convert gives all fields 0.
LocalTime ToLocalTime(int64_t secondsSinceEpoch);

// Milliseconds since an arbitrary start, wrapping at 2^32 (GetTickCount).
uint32_t GetTickCount();

}  // namespace platform
