#pragma once

#include <cstdint>
#include <vector>

#include "core/ProfilerMark.h"

// The "Profiler" header of the Info window: while it is open, the stage bar,
// the stage table and the polygon and vertex counts.
void DrawProfilerSection(std::vector<ProfilerMark>& marks, int32_t vertexCount);
