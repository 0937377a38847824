#pragma once

#include <string>
#include <utility>
#include <vector>

#include "FrameRecorder.h"
#include "StageTimes.h"

// The raster floor's passes, in the order they are drawn.
const std::vector<std::string>& FloorPassNames();

// A group of Kestrune's stages and the floor passes that do the same raster work.
struct FloorGroup
{
    std::string name;
    std::vector<std::string> stages;
    std::vector<std::string> passes;
};

// ShadowMapDir against the cascades, ShadowMapPoint against the cube faces,
// Skymap+Render against the scene pass and PostProcess against the rest.
const std::vector<FloorGroup>& FloorGroups();

// One line of the comparison: medians of both sides and the median of the
// per-pair ratios (pairs whose floor time is not positive have no ratio).
struct FloorRow
{
    std::string name;
    double kestruneMs = 0.0;
    double floorMs = 0.0;
    double ratio = 0.0;
};

// (Kestrune ms, floor ms) pairs, one per frame, into a row.
FloorRow CompareRow(const std::string& name, const std::vector<std::pair<double, double>>& pairs);

// A row per group, then "frame": the whole iteration (events, update, frame,
// swap) against the sum of the floor passes. Frames without a floor are left out.
std::vector<FloorRow> CompareWithFloor(const std::vector<FrameTiming>& frames);

std::string FloorTable(const std::vector<FloorRow>& rows, size_t pairs);

// The report's "floor" object: the passes' medians, every row, and the frame's ratio.
std::string FloorJson(const std::vector<FloorRow>& rows, const StageTimes& passMedians);
