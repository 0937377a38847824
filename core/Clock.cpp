#include "core/Clock.h"

#include <chrono>

namespace
{
const auto processStart = std::chrono::steady_clock::now();

ClockSource& InstalledSource()
{
    static ClockSource source;
    return source;
}
}

int32_t GetClockMs()
{
    if (const ClockSource& source = InstalledSource())
        return source();
    const auto elapsed = std::chrono::steady_clock::now() - processStart;
    return int32_t(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void SetClockSource(ClockSource source)
{
    InstalledSource() = std::move(source);
}

float AdvanceFrameClock(int32_t now, int32_t& lastClock)
{
    const float seconds = float(now - lastClock) / 1000.0f;
    lastClock = now;
    return seconds;
}
