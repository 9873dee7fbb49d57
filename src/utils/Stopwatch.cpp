#include "utils/Stopwatch.h"

#include "platform/Time.h"

namespace Utils {

void Stopwatch::Start() {
    m_StartTick = platform::GetTickCount();
    m_Started = true;
}

float Stopwatch::Elapsed() const {
    if (!m_Started) return 0.0f;
    return SecondsBetween(m_StartTick, platform::GetTickCount());
}

float Stopwatch::SecondsBetween(uint32_t startTick, uint32_t nowTick) {
    return static_cast<float>(nowTick - startTick) / 1000.0f;
}

}  // namespace Utils
