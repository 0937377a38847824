#pragma once

#include <cstdint>
#include <functional>

// The one millisecond clock that drives frame time and profiler marks.
// Real elapsed time since process start unless a source is installed
// (the capture tool steps it by a fixed interval).
using ClockSource = std::function<int32_t()>;

int32_t GetClockMs();
void SetClockSource(ClockSource source); // an empty source restores real time

// Frame time keeping: seconds from `lastClock` to `now` (1 ms resolution), and
// `now` becomes the new `lastClock`.
float AdvanceFrameClock(int32_t now, int32_t& lastClock);
