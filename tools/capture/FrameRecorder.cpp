#include "FrameRecorder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "core/FormatString.h"

double Percentile(std::vector<double> values, double percent)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(percent / 100.0 * double(values.size()));
    const size_t index = size_t(std::clamp(rank, 1.0, double(values.size()))) - 1;
    return values[index];
}

double FrameRecorder::MsSince(Clock::time_point since) const
{
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

void FrameRecorder::BeginFrame()
{
    current = FrameTiming();
    frameStart = Clock::now();
    lastMark = frameStart;
}

void FrameRecorder::Mark(const std::string& name)
{
    current.stages.emplace_back(name, MsSince(lastMark));
    lastMark = Clock::now();
}

void FrameRecorder::Count(int32_t particles, int32_t vertexCount)
{
    current.particles = particles;
    current.vertexCount = vertexCount;
}

void FrameRecorder::EndFrame(double clockDeltaMs, bool measured)
{
    current.frameMs = MsSince(frameStart);
    current.clockDeltaMs = clockDeltaMs;
    if (measured)
        frames.push_back(current);
}

namespace
{
std::map<std::string, std::vector<double>> StageSamples(const std::vector<FrameTiming>& frames)
{
    std::map<std::string, std::vector<double>> samples;
    for (const FrameTiming& frame : frames)
        for (const auto& [name, ms] : frame.stages)
            samples[name].push_back(ms);
    return samples;
}

std::vector<double> FrameSamples(const std::vector<FrameTiming>& frames)
{
    std::vector<double> samples;
    for (const FrameTiming& frame : frames)
        samples.push_back(frame.frameMs);
    return samples;
}

std::string StageObject(const std::vector<std::pair<std::string, double>>& stages)
{
    std::string json = "{";
    for (size_t i = 0; i < stages.size(); ++i)
        json += FormatString("%s\"%s\": %.3f", i ? ", " : "", stages[i].first.c_str(), stages[i].second);
    return json + "}";
}
}

bool FrameRecorder::WriteReport(const std::string& path) const
{
    FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr)
        return false;
    std::fprintf(file, "{\n  \"startup_ms\": %.3f,\n  \"frames\": [\n", startupMs);
    for (size_t i = 0; i < frames.size(); ++i)
        std::fprintf(file,
                     "    {\"dt_ms\": %.3f, \"clock_dt_ms\": %.3f, \"particles\": %d, \"vertex_count\": %d, "
                     "\"stages\": %s}%s\n",
                     frames[i].frameMs, frames[i].clockDeltaMs, frames[i].particles, frames[i].vertexCount,
                     StageObject(frames[i].stages).c_str(), i + 1 < frames.size() ? "," : "");
    std::vector<std::pair<std::string, double>> medians;
    for (const auto& [name, samples] : StageSamples(frames))
        medians.emplace_back(name, Percentile(samples, 50.0));
    const std::vector<double> frameSamples = FrameSamples(frames);
    std::fprintf(file, "  ],\n  \"resources\": [\n");
    for (size_t i = 0; i < resourceSamples.size(); ++i)
        std::fprintf(file, "    %s%s\n", ResourceSampleJson(resourceSamples[i]).c_str(),
                     i + 1 < resourceSamples.size() ? "," : "");
    std::fprintf(file,
                 "  ],\n  \"summary\": {\"frame_ms_median\": %.3f, \"frame_ms_p95\": %.3f, "
                 "\"stage_ms_median\": %s}\n}\n",
                 Percentile(frameSamples, 50.0), Percentile(frameSamples, 95.0), StageObject(medians).c_str());
    return std::fclose(file) == 0;
}

std::string FrameRecorder::Summary() const
{
    const std::vector<double> frameSamples = FrameSamples(frames);
    std::string text = FormatString("frames measured: %zu\nstart-up to first frame: %.1f ms\n"
                                    "frame time: median %.2f ms, p95 %.2f ms\nstage medians:\n",
                                    frames.size(), startupMs, Percentile(frameSamples, 50.0),
                                    Percentile(frameSamples, 95.0));
    for (const auto& [name, samples] : StageSamples(frames))
        text += FormatString("  %-16s %8.2f ms\n", name.c_str(), Percentile(samples, 50.0));
    if (!resourceSamples.empty())
        text += FormatString("resident memory: first %ld KiB, middle %ld KiB, last %ld KiB\n",
                             resourceSamples.front().residentKb,
                             resourceSamples[resourceSamples.size() / 2].residentKb,
                             resourceSamples.back().residentKb);
    return text;
}
