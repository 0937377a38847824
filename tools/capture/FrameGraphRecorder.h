#pragma once

#include <GL/glew.h>

#include <map>
#include <string>
#include <vector>

#include "FrameGraph.h"

// --frame-graph: records what each draw call of one frame did, from the GL
// state at the draw (program, draw framebuffer's attachments, the textures
// its samplers read), so that the graph shows what ran, not what the code is
// thought to do. The draw calls are hooked once (GLEW's pointers, and the
// linker's wrap for glDrawArrays); between Arm and Disarm each call is
// recorded before it goes on to the driver. The interface library draws
// through its own loader and is not seen.
class FrameGraphRecorder
{
public:
    void Install();
    // Remembers a stage's file for naming the programs it is linked into.
    void NameShader(GLuint shader, const std::string& path);
    // Records the draws from now on; `timed` puts a GPU timestamp before each.
    void Arm(bool timed);
    // Stops recording; the frame's profiler marks name its stages.
    void Disarm(const std::vector<std::string>& stageNames);
    // Writes the recorded frame as a Graphviz graph; false when it can't be written.
    bool Write(const std::string& path) const;

    // Called by the hooks.
    void RecordDraw(bool blit);
    void CountMark() { ++marks; }

private:
    std::string ProgramName(GLuint program) const;
    std::string ImageName(GLuint texture) const;
    PassImage Image(GLuint texture, GLenum target, int level) const;
    std::vector<PassImage> AttachedImages(GLenum framebuffer) const;
    std::vector<PassImage> Writes() const;
    std::vector<PassImage> Reads(GLuint program) const;

    std::map<GLuint, std::string> shaderNames;
    std::vector<DrawRecord> draws;
    std::vector<GLuint> timestamps;
    std::vector<FramePass> passes;
    bool armed = false;
    bool timed = false;
    int marks = 0;
};
