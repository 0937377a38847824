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

int32_t ClockMsBetween(int32_t earlier, int32_t later)
{
    return int32_t(uint32_t(later) - uint32_t(earlier));
}

int32_t AdvanceClockMs(int32_t clock, int32_t ms)
{
    return int32_t(uint32_t(clock) + uint32_t(ms));
}

float AdvanceFrameClock(int32_t now, int32_t& lastClock)
{
    const float seconds = float(ClockMsBetween(lastClock, now)) / 1000.0f;
    lastClock = now;
    return seconds;
}
