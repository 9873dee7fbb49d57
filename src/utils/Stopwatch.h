#pragma once
#include <cstdint>

namespace Utils {

// Times a stage with the system tick count (milliseconds, wrapping at 2^32).
class Stopwatch {
public:
    void Start();
    // Seconds since Start(); 0 when never started.
    float Elapsed() const;
    bool IsStarted() const { return m_Started; }

    // The elapsed seconds between two tick readings, across a wrap of the
    // counter.
    static float SecondsBetween(uint32_t startTick, uint32_t nowTick);

private:
    uint32_t m_StartTick = 0;
    bool m_Started = false;
};

}  // namespace Utils
