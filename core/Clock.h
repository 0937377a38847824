#pragma once

#include <cstdint>
#include <functional>

// The one millisecond clock that drives frame time and profiler marks.
// Real elapsed time since process start unless a source is installed
// (the capture tool steps it by a fixed interval).
using ClockSource = std::function<int32_t()>;

int32_t GetClockMs();
void SetClockSource(ClockSource source); // an empty source restores real time
