#pragma once

#include <vector>

// What the render scale's automatic control remembers between frames: the
// frame times measured since its last change of scale.
struct AutoScaleState
{
    std::vector<float> frameMs;
    float sinceChangeMs = 0.0f;
};

// A change waits for this many frames at the current scale, and for a second.
constexpr int kAutoScaleFrames = 8;
constexpr float kAutoScaleWaitMs = 1000.0f;
// The frame time is held within this share of the target either side.
constexpr float kAutoScaleBand = 0.1f;
// Scales are whole steps of this.
constexpr float kAutoScaleStep = 1.0f / 32.0f;

// The render scale for the next frame, after a frame of `frameMs` at `scale`.
// The median of the frames since the last change is compared with the target.
// Above the band, the scale becomes the one at which a frame whose whole cost
// grew with the pixel count would take the target; below it, the one at which
// it would take the band's lower edge; either rounded down to a step. Part of
// a real frame does not grow with the pixels, so that guess falls short going
// down (another step follows) and stays under the lower edge going up: a scale
// left for being too slow is not taken again while the load stays, and the
// scale settles without swinging between two.
float NextRenderScale(AutoScaleState& state, float frameMs, float scale, float targetMs);
