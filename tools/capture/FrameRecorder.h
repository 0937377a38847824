#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ResourceSample.h"

// Real (wall-clock) timings of the frames the capture tool renders.
struct FrameTiming
{
    double frameMs = 0.0;                                // whole iteration: events, update, frame, swap
    double clockDeltaMs = 0.0;                           // the application's own frame time
    std::vector<std::pair<std::string, double>> stages;  // mark -> ms since the previous mark
    int32_t particles = 0;                               // the particle system's count after the frame
    int32_t vertexCount = 0;                             // the renderer's vertex count at the end of the frame
};

class FrameRecorder
{
public:
    void BeginFrame();
    void Mark(const std::string& name);
    void Count(int32_t particles, int32_t vertexCount);
    void EndFrame(double clockDeltaMs, bool measured);
    void SetStartupMs(double ms) { startupMs = ms; }
    void AddResourceSample(const ResourceSample& sample) { resourceSamples.push_back(sample); }

    bool WriteReport(const std::string& path) const;
    std::string Summary() const;

private:
    using Clock = std::chrono::steady_clock;
    double MsSince(Clock::time_point since) const;

    Clock::time_point frameStart;
    Clock::time_point lastMark;
    FrameTiming current;
    std::vector<FrameTiming> frames;
    double startupMs = 0.0;
    std::vector<ResourceSample> resourceSamples;
};

// Nearest-rank percentile (0..100) of the values; 0 for none.
double Percentile(std::vector<double> values, double percent);
