#pragma once

#include <GL/glew.h>

#include <array>
#include <vector>

#include "StageTimes.h"

// The raster floor: the pass structure of one Kestrune frame drawn with trivial
// shaders and full-screen quads into targets of the same sizes and formats: 4
// cascade depth maps, 3 lights x 6 R32F cube faces, the 3-target scene pass, the
// lens flare (downscale, features and 4 blur passes at an eighth of the window,
// details at full size), 10 bloom passes, the composite reading four textures and
// the FXAA pass to the window. No shader or geometry choice can bring a frame of
// that structure below this cost on the same machine.
class RasterFloor
{
public:
    // Makes the programs and targets and draws one untimed frame, so that the
    // driver has built everything before the first timed one. False, with a
    // message, when a program or target is unusable.
    bool Create(int width, int height, int shadowWidth, int shadowHeight);
    void Destroy();

    // Draws one frame, finishing the GPU work after each group of passes, and
    // returns the CPU-clock milliseconds of each (named as FloorPassNames).
    // Leaves the default framebuffer bound and the state it found.
    StageTimes Draw();

private:
    enum Program
    {
        Depth,
        Red,
        Scene,
        Copy,
        Composite,
        ProgramCount
    };

    bool CreatePrograms();
    bool CreateTargets();
    GLuint AddTexture(int width, int height, GLenum internalFormat, GLenum format);
    GLuint AddFramebuffer(const std::vector<GLuint>& colour, GLuint depth);
    void DrawQuad(Program program, GLuint texture) const;
    void DrawCascades() const;
    void DrawCubes() const;
    void DrawScene() const;
    void DrawLensFlare() const;
    void DrawBloom() const;
    void DrawComposite() const;
    void DrawFxaa() const;

    int width = 0, height = 0, shadowWidth = 0, shadowHeight = 0;
    std::array<GLuint, ProgramCount> programs = {};
    GLuint vertexArray = 0, vertexBuffer = 0, sceneDepth = 0, cube = 0;
    std::vector<GLuint> textures, framebuffers;
    std::array<GLuint, 4> cascades = {};
    GLuint cascadeTarget = 0, cubeTarget = 0, sceneTarget = 0;
    std::array<GLuint, 3> sceneTextures = {}; // colour, bright, depth
    std::array<GLuint, 2> bloomTextures = {}, bloomTargets = {};
    std::array<GLuint, 2> smallTextures = {}, smallTargets = {};
    GLuint detailsTexture = 0, detailsTarget = 0, compositeTexture = 0, compositeTarget = 0;
};
