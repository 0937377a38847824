#include "effects/AutoRenderScale.h"

#include <algorithm>
#include <cmath>

#include "effects/RenderSize.h"

namespace
{
constexpr size_t kMedianFrames = 20;

float Median(std::vector<float> values)
{
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The scale at which a frame that took `frameMs` at `scale` would take
// `targetMs` if all its cost grew with the pixels, rounded down to a step.
float ScaleForTarget(float scale, float frameMs, float targetMs)
{
    const float exact = scale * std::sqrt(targetMs / frameMs);
    return std::clamp(std::floor(exact / kAutoScaleStep + 1e-4f) * kAutoScaleStep, kRenderScaleMin, kRenderScaleMax);
}
}

float NextRenderScale(AutoScaleState& state, float frameMs, float scale, float targetMs)
{
    if (!(frameMs > 0.0f) || !(targetMs > 0.0f) || !std::isfinite(frameMs))
        return scale;
    state.sinceChangeMs += frameMs;
    state.frameMs.push_back(frameMs);
    if (state.frameMs.size() > kMedianFrames)
        state.frameMs.erase(state.frameMs.begin());
    if (state.frameMs.size() < size_t(kAutoScaleFrames) || state.sinceChangeMs < kAutoScaleWaitMs)
        return scale;

    const float typical = Median(state.frameMs);
    float next = scale;
    if (typical > targetMs * (1.0f + kAutoScaleBand))
        next = ScaleForTarget(scale, typical, targetMs);
    else if (typical < targetMs * (1.0f - kAutoScaleBand))
        next = std::max(scale, ScaleForTarget(scale, typical, targetMs * (1.0f - kAutoScaleBand)));
    if (next != scale)
        state = AutoScaleState();
    return next;
}
