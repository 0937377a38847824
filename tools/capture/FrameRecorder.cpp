#include "FrameRecorder.h"

#include <cstdio>

#include "FloorComparison.h"
#include "core/FormatString.h"

namespace
{
// `text` as the inside of a JSON string: quotes, backslashes and control characters escaped.
std::string JsonText(const std::string& text)
{
    std::string json;
    for (const char c : text)
        if (c == '"' || c == '\\')
            json += std::string("\\") + c;
        else if ((unsigned char)c < 0x20)
            json += FormatString("\\u%04x", c);
        else
            json += c;
    return json;
}
}

double FrameRecorder::MsSince(Clock::time_point since) const
{
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

void FrameRecorder::BeginFrame(int frame)
{
    current = FrameTiming();
    current.frame = frame;
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

void FrameRecorder::SetGpuStages(int frame, const StageTimes& stages)
{
    for (FrameTiming& timing : frames)
        if (timing.frame == frame)
            timing.gpuStages = stages;
}

namespace
{
std::vector<StageTimes> CpuFrames(const std::vector<FrameTiming>& frames)
{
    std::vector<StageTimes> stages;
    for (const FrameTiming& frame : frames)
        stages.push_back(frame.stages);
    return stages;
}

std::vector<double> FrameSamples(const std::vector<FrameTiming>& frames)
{
    std::vector<double> samples;
    for (const FrameTiming& frame : frames)
        samples.push_back(frame.frameMs);
    return samples;
}

std::vector<StageTimes> FloorFrames(const std::vector<FrameTiming>& frames)
{
    std::vector<StageTimes> passes;
    for (const FrameTiming& frame : frames)
        if (!frame.floorPasses.empty())
            passes.push_back(frame.floorPasses);
    return passes;
}

std::string StageLines(const StageTimes& medians)
{
    std::string text;
    for (const auto& [name, ms] : medians)
        text += FormatString("  %-16s %8.2f ms\n", name.c_str(), ms);
    return text;
}
}

std::vector<StageTimes> FrameRecorder::GpuFrames() const
{
    std::vector<StageTimes> stages;
    for (const FrameTiming& frame : frames)
        if (frame.gpuStages)
            stages.push_back(*frame.gpuStages);
    return stages;
}

std::string FrameRecorder::FrameJson(const FrameTiming& frame) const
{
    std::string json = FormatString("{\"dt_ms\": %.3f, \"clock_dt_ms\": %.3f, \"particles\": %d, \"vertex_count\": %d, "
                                    "\"stages\": %s",
                                    frame.frameMs, frame.clockDeltaMs, frame.particles, frame.vertexCount,
                                    StageTimesJson(frame.stages).c_str());
    if (frame.gpuStages)
        json += ", \"gpu_stage_ms\": " + StageTimesJson(*frame.gpuStages);
    if (!frame.floorPasses.empty())
        json += ", \"floor_ms\": " + StageTimesJson(frame.floorPasses);
    return json + "}";
}

std::string FrameRecorder::SummaryJson() const
{
    const std::vector<double> frameSamples = FrameSamples(frames);
    std::string json = FormatString("{\"frame_ms_median\": %.3f, \"frame_ms_p95\": %.3f, \"stage_ms_median\": %s",
                                    Percentile(frameSamples, 50.0), Percentile(frameSamples, 95.0),
                                    StageTimesJson(StageMedians(CpuFrames(frames))).c_str());
    if (gpuTimed)
        json += ", \"gpu_stage_ms_median\": " + StageTimesJson(StageMedians(GpuFrames()));
    return json + "}";
}

void FrameRecorder::SetGlStrings(const std::string& renderer, const std::string& version)
{
    glRenderer = JsonText(renderer);
    glVersion = JsonText(version);
}

bool FrameRecorder::WriteReport(const std::string& path) const
{
    FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr)
        return false;
    std::fprintf(file, "{\n  \"gl_renderer\": \"%s\",\n  \"gl_version\": \"%s\",\n", glRenderer.c_str(),
                 glVersion.c_str());
    std::fprintf(file, "  \"startup_ms\": %.3f,\n  \"peak_rss_kb\": %ld,\n  \"frames\": [\n", startupMs,
                 peakResidentKb);
    for (size_t i = 0; i < frames.size(); ++i)
        std::fprintf(file, "    %s%s\n", FrameJson(frames[i]).c_str(), i + 1 < frames.size() ? "," : "");
    std::fprintf(file, "  ],\n  \"resources\": [\n");
    for (size_t i = 0; i < resourceSamples.size(); ++i)
        std::fprintf(file, "    %s%s\n", ResourceSampleJson(resourceSamples[i]).c_str(),
                     i + 1 < resourceSamples.size() ? "," : "");
    std::fprintf(file, "  ],\n");
    const std::vector<StageTimes> floorFrames = FloorFrames(frames);
    if (!floorFrames.empty())
        std::fprintf(file, "  \"floor\": %s,\n",
                     FloorJson(CompareWithFloor(frames), StageMedians(floorFrames)).c_str());
    std::fprintf(file, "  \"summary\": %s\n}\n", SummaryJson().c_str());
    return std::fclose(file) == 0;
}

std::string FrameRecorder::Summary() const
{
    const std::vector<double> frameSamples = FrameSamples(frames);
    std::string text = FormatString("frames measured: %zu\nstart-up to first frame: %.1f ms\n"
                                    "frame time: median %.2f ms, p95 %.2f ms\nstage medians:\n",
                                    frames.size(), startupMs, Percentile(frameSamples, 50.0),
                                    Percentile(frameSamples, 95.0));
    text += StageLines(StageMedians(CpuFrames(frames)));
    const std::vector<StageTimes> gpuFrames = GpuFrames();
    if (gpuTimed)
        text += FormatString("GPU stage medians (timer queries, %zu frames):\n", gpuFrames.size()) +
                StageLines(StageMedians(gpuFrames));
    if (!resourceSamples.empty())
        text += FormatString("resident memory: first %ld KiB, middle %ld KiB, last %ld KiB\n",
                             resourceSamples.front().residentKb,
                             resourceSamples[resourceSamples.size() / 2].residentKb,
                             resourceSamples.back().residentKb);
    text += FormatString("peak resident memory: %ld KiB\n", peakResidentKb);
    const std::vector<StageTimes> floorFrames = FloorFrames(frames);
    if (!floorFrames.empty())
        text += FloorTable(CompareWithFloor(frames), floorFrames.size());
    return text;
}
