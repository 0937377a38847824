#pragma once

#include <cstdint>
#include <functional>

// The one millisecond clock that drives frame time and profiler marks.
// Real elapsed time since process start unless a source is installed
// (the capture tool steps it by a fixed interval).
using ClockSource = std::function<int32_t()>;

int32_t GetClockMs();
void SetClockSource(ClockSource source); // an empty source restores real time

// Milliseconds from `earlier` to `later`, correct across the wrap of the
// 32-bit clock (after about 24.8 days) as long as they are less than that apart.
int32_t ClockMsBetween(int32_t earlier, int32_t later);
// `clock` advanced by `ms`, wrapping as the clock itself does.
int32_t AdvanceClockMs(int32_t clock, int32_t ms);

// Frame time keeping: seconds from `lastClock` to `now` (1 ms resolution), and
// `now` becomes the new `lastClock`.
float AdvanceFrameClock(int32_t now, int32_t& lastClock);
