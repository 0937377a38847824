#pragma once

#include <string>

// What the process holds at one frame: resident memory and the live OpenGL
// objects of each kind, for watching a long run for leaks.
struct ResourceSample
{
    int frame = 0;
    long residentKb = 0;
    long heapKb = 0;
    int textures = 0;
    int buffers = 0;
    int framebuffers = 0;
    int renderbuffers = 0;
    int vertexArrays = 0;
    int programs = 0;
    int shaders = 0;
};

// Resident set size of this process in KiB, from /proc/self/statm; 0 where unreadable.
long ResidentMemoryKb();

// Bytes handed out by malloc and not yet freed, in KiB (mallinfo2): exact for
// the process's own allocations, where resident memory also moves with the
// driver's caches and the allocator's free pages.
long HeapInUseKb();

// The most this process has had resident so far, in KiB, from its own resource
// accounting (getrusage); 0 where unavailable.
long PeakResidentMemoryKb();

// Resident memory and the live GL objects of the current context, found by
// asking the driver about every name below 65536.
ResourceSample TakeResourceSample(int frame);

std::string ResourceSampleJson(const ResourceSample& sample);
