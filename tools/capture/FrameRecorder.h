#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ResourceSample.h"
#include "StageTimes.h"

// Real (wall-clock) timings of the frames the capture tool renders.
struct FrameTiming
{
    int frame = 0;                       // counted from 1 over all frames, warm-up included
    double frameMs = 0.0;                // whole iteration: events, update, frame, swap
    double clockDeltaMs = 0.0;           // the application's own frame time
    StageTimes stages;                   // mark -> ms since the previous mark
    std::optional<StageTimes> gpuStages; // the same from GPU timestamps, once they have arrived
    StageTimes floorPasses;              // the raster floor frame drawn just before this one
    int32_t particles = 0;               // the particle system's count after the frame
    int32_t vertexCount = 0;             // the renderer's vertex count at the end of the frame
};

class FrameRecorder
{
public:
    void BeginFrame(int frame);
    void Mark(const std::string& name);
    void Count(int32_t particles, int32_t vertexCount);
    void SetFloorPasses(const StageTimes& passes) { current.floorPasses = passes; }
    void EndFrame(double clockDeltaMs, bool measured);
    void SetStartupMs(double ms) { startupMs = ms; }
    void AddResourceSample(const ResourceSample& sample) { resourceSamples.push_back(sample); }
    // GPU stage times of a frame, which arrive after it ended; once set, the report has GPU medians.
    void SetGpuStages(int frame, const StageTimes& stages);
    void SetGpuTimed() { gpuTimed = true; }
    void SetPeakResidentKb(long kb) { peakResidentKb = kb; }
    // The GL implementation that drew the frames, as its renderer and version strings say.
    void SetGlStrings(const std::string& renderer, const std::string& version);

    bool WriteReport(const std::string& path) const;
    std::string Summary() const;

private:
    using Clock = std::chrono::steady_clock;
    double MsSince(Clock::time_point since) const;
    std::string FrameJson(const FrameTiming& frame) const;
    std::string SummaryJson() const;
    std::vector<StageTimes> GpuFrames() const;

    Clock::time_point frameStart;
    Clock::time_point lastMark;
    FrameTiming current;
    std::vector<FrameTiming> frames;
    double startupMs = 0.0;
    std::vector<ResourceSample> resourceSamples;
    bool gpuTimed = false;
    long peakResidentKb = 0;
    std::string glRenderer;
    std::string glVersion;
};
