#pragma once

#include <string>
#include <vector>

// A render target or texture as a pass sees it.
struct PassImage
{
    std::string name;   // the registered name, "window", or "texture N" when it has none
    int width = 0;
    int height = 0;
    std::string format; // "RGBA16F", "DEPTH32", ...
    bool named = true;  // false for "texture N"

    bool operator==(const PassImage& other) const
    {
        return name == other.name && width == other.width && height == other.height && format == other.format;
    }
};

// What one draw call did: the stage it ran in (the number of profiler marks
// before it in the frame), its program and what it wrote and read.
struct DrawRecord
{
    int stage = 0;
    std::string program;
    std::vector<PassImage> writes;
    std::vector<PassImage> reads;
    double gpuMs = -1.0; // the time from this draw to the next recorded one, when timed
};

// Consecutive draws of one stage into the same targets.
struct FramePass
{
    std::string stage;
    std::vector<std::string> programs; // in the order of their first draw
    std::vector<PassImage> writes;
    std::vector<PassImage> reads; // every image any of its draws read, once each
    int draws = 0;
    double gpuMs = -1.0; // the sum over its draws, or -1 when untimed
};

// Groups the frame's draws into passes, in order. `stageNames` are the frame's
// profiler marks: a draw after k of them ran in the stage that mark k ends;
// draws after the last one are the interface's.
std::vector<FramePass> GroupFramePasses(const std::vector<DrawRecord>& draws, const std::vector<std::string>& stageNames);

// The passes as a Graphviz digraph: a box per pass in a cluster per stage, an
// ellipse per image, edges from each pass to what it writes and from each
// image to the passes that read it. A target without a name of its own is
// called after the stage that first writes it ("ShadowMapDir target 2").
// Named images that no pass of the frame writes (the sky's maps, a cube kept
// from an earlier frame) are drawn dashed; unnamed ones (material maps) are
// only counted in the label of the pass that reads them.
std::string FrameGraphDot(const std::vector<FramePass>& passes);
