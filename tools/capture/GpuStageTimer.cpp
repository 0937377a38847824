#include "GpuStageTimer.h"

bool GpuStageTimer::Create()
{
    GLint bits = 0;
    glGetQueryiv(GL_TIMESTAMP, GL_QUERY_COUNTER_BITS, &bits);
    if (bits == 0)
        return false;
    for (Slot& slot : slots)
        glGenQueries(kQueriesPerFrame, slot.queries.data());
    created = true;
    return true;
}

void GpuStageTimer::Destroy()
{
    if (!created)
        return;
    for (Slot& slot : slots)
        glDeleteQueries(kQueriesPerFrame, slot.queries.data());
    slots = {};
    active = nullptr;
    created = false;
}

void GpuStageTimer::BeginFrame(int frame)
{
    if (!created)
        return;
    Collect(false);
    active = &slots[nextSlot];
    nextSlot = (nextSlot + 1) % slots.size();
    // A frame whose timestamps have not arrived by now is given up, not waited for.
    active->pending = false;
    active->overflow = false;
    active->marks.clear();
    active->frame = frame;
    glQueryCounter(active->queries[0], GL_TIMESTAMP);
}

void GpuStageTimer::Mark(const std::string& name)
{
    if (active == nullptr)
        return;
    const size_t query = active->marks.size() + 1;
    if (query >= active->queries.size())
    {
        active->overflow = true;
        return;
    }
    glQueryCounter(active->queries[query], GL_TIMESTAMP);
    active->marks.push_back(name);
}

void GpuStageTimer::EndFrame()
{
    if (active == nullptr)
        return;
    active->pending = !active->overflow;
    active = nullptr;
}

void GpuStageTimer::Finish()
{
    if (created)
        Collect(true);
}

void GpuStageTimer::Collect(bool wait)
{
    for (Slot& slot : slots)
        if (slot.pending && (wait || Arrived(slot)))
            Read(slot);
}

bool GpuStageTimer::Arrived(const Slot& slot) const
{
    for (size_t i = 0; i <= slot.marks.size(); ++i)
    {
        GLuint available = GL_FALSE;
        glGetQueryObjectuiv(slot.queries[i], GL_QUERY_RESULT_AVAILABLE, &available);
        if (available == GL_FALSE)
            return false;
    }
    return true;
}

void GpuStageTimer::Read(Slot& slot)
{
    std::vector<uint64_t> timestamps(slot.marks.size() + 1);
    for (size_t i = 0; i < timestamps.size(); ++i)
        glGetQueryObjectui64v(slot.queries[i], GL_QUERY_RESULT, &timestamps[i]);
    results[slot.frame] = StageTimesFromTimestamps(slot.marks, timestamps);
    slot.pending = false;
}
