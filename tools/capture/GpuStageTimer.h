#pragma once

#include <GL/glew.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "StageTimes.h"

// Per-stage GPU times from GL_TIMESTAMP queries: one counter when a frame begins
// and one at each profiler mark, from a small pool of query objects that serves
// kFramesInFlight frames round-robin. A frame's timestamps are read once the
// driver has them, polled at the start of later frames; a frame still unfinished
// when its slot comes round again is dropped, so the frame loop never waits.
class GpuStageTimer
{
public:
    static const int kFramesInFlight = 4;
    static const int kQueriesPerFrame = 16;

    // False, and every other call does nothing, where the context has no timestamp counter.
    bool Create();
    void Destroy();

    void BeginFrame(int frame);
    void Mark(const std::string& name);
    void EndFrame();
    // After the last frame: waits for the frames still in flight.
    void Finish();

    // Stage times by frame, for the frames whose timestamps arrived.
    const std::map<int, StageTimes>& Results() const { return results; }

private:
    struct Slot
    {
        std::array<GLuint, kQueriesPerFrame> queries = {};
        std::vector<std::string> marks;
        int frame = 0;
        bool pending = false;  // issued, not read yet
        bool overflow = false; // more marks than queries: the frame is not timed
    };

    void Collect(bool wait);
    bool Arrived(const Slot& slot) const;
    void Read(Slot& slot);

    std::array<Slot, kFramesInFlight> slots;
    Slot* active = nullptr;
    size_t nextSlot = 0;
    bool created = false;
    std::map<int, StageTimes> results;
};
