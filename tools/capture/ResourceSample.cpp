#include "ResourceSample.h"

#include <GL/glew.h>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include "core/FormatString.h"

namespace
{
const GLuint kNamesProbed = 65536;

int CountNames(GLboolean (*isObject)(GLuint))
{
    int count = 0;
    for (GLuint name = 1; name < kNamesProbed; ++name)
        count += isObject(name) == GL_TRUE ? 1 : 0;
    return count;
}

// GLEW's entry points are pointers filled in at run time; these adapt them.
GLboolean IsTexture(GLuint name) { return glIsTexture(name); }
GLboolean IsBuffer(GLuint name) { return glIsBuffer(name); }
GLboolean IsFramebuffer(GLuint name) { return glIsFramebuffer(name); }
GLboolean IsRenderbuffer(GLuint name) { return glIsRenderbuffer(name); }
GLboolean IsVertexArray(GLuint name) { return glIsVertexArray(name); }
GLboolean IsProgram(GLuint name) { return glIsProgram(name); }
GLboolean IsShader(GLuint name) { return glIsShader(name); }
}

long ResidentMemoryKb()
{
    FILE* file = std::fopen("/proc/self/statm", "r");
    if (file == nullptr)
        return 0;
    long sizePages = 0;
    long residentPages = 0;
    const int read = std::fscanf(file, "%ld %ld", &sizePages, &residentPages);
    std::fclose(file);
    return read == 2 ? residentPages * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

long HeapInUseKb()
{
    const struct mallinfo2 info = mallinfo2();
    return long((info.uordblks + info.hblkhd) / 1024);
}

long PeakResidentMemoryKb()
{
    rusage usage = {};
    // Linux counts ru_maxrss in KiB.
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : 0;
}

ResourceSample TakeResourceSample(int frame)
{
    ResourceSample sample;
    sample.frame = frame;
    sample.residentKb = ResidentMemoryKb();
    sample.heapKb = HeapInUseKb();
    sample.textures = CountNames(IsTexture);
    sample.buffers = CountNames(IsBuffer);
    sample.framebuffers = CountNames(IsFramebuffer);
    sample.renderbuffers = CountNames(IsRenderbuffer);
    sample.vertexArrays = CountNames(IsVertexArray);
    sample.programs = CountNames(IsProgram);
    sample.shaders = CountNames(IsShader);
    return sample;
}

std::string ResourceSampleJson(const ResourceSample& sample)
{
    return FormatString("{\"frame\": %d, \"rss_kb\": %ld, \"heap_kb\": %ld, \"gl_textures\": %d, "
                        "\"gl_buffers\": %d, \"gl_framebuffers\": %d, \"gl_renderbuffers\": %d, "
                        "\"gl_vertex_arrays\": %d, \"gl_programs\": %d, \"gl_shaders\": %d}",
                        sample.frame, sample.residentKb, sample.heapKb, sample.textures, sample.buffers,
                        sample.framebuffers, sample.renderbuffers, sample.vertexArrays, sample.programs,
                        sample.shaders);
}
