#pragma once

#include <vector>

// The rolling history behind one PlotVar.
struct PlotRecord
{
    std::vector<float> samples;
    int insertIndex = 0;
    int lastFrame = -1;
};

// What one PlotVar call draws, if anything.
struct PlotStep
{
    bool draw = false; // false for a second call within one frame
    int offset = 0;    // index of the oldest sample
    float latest = 0.0f;
};

constexpr int kPlotSamples = 250;

// Stores `value` (unless it is FLT_MAX) in the ring, which starts as
// kPlotSamples zeros, and says whether frame `frameCount` still needs a plot.
PlotStep StepPlotRecord(PlotRecord& record, float value, int frameCount);

// A 40-pixel plot of `value` over the last kPlotSamples frames with its latest
// value beside it. A `scaleMax` of FLT_MAX scales to the samples.
void PlotVar(const char* label, float value, float scaleMin, float scaleMax);
