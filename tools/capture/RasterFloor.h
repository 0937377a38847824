#pragma once

#include <GL/glew.h>

#include <array>
#include <vector>

#include "SceneFloor.h"
#include "StageTimes.h"

// The raster floor: the frame's structure with shading that costs nothing, in
// targets of the frame's sizes and formats. The shadow maps and the scene pass
// draw the frame's own meshes (see SceneFloor) after a sky that covers every
// pixel once; the post-processing passes are full-screen quads that copy a
// texel: the lens flare (downscale, features and 4 blur passes at an eighth of
// the window, details at full size), 10 bloom passes, the composite reading
// four textures and the FXAA pass to the window. No shader choice can bring a
// frame of that structure below this cost on the same machine.
class RasterFloor
{
public:
    // Makes the programs and targets and draws one untimed frame, so that the
    // driver has built everything before the first timed one. False, with a
    // message, when a program or target is unusable.
    bool Create(CMainScene& scene, int width, int height, int shadowWidth, int shadowHeight);
    void Destroy();

    // Draws one frame, finishing the GPU work after each group of passes, and
    // returns the CPU-clock milliseconds of each (named as FloorPassNames).
    // Leaves the default framebuffer bound and the state it found.
    StageTimes Draw();

private:
    enum Program
    {
        Sky,
        Copy,
        Composite,
        ProgramCount
    };

    bool CreatePrograms();
    bool CreateTargets();
    GLuint AddTexture(int width, int height, GLenum internalFormat, GLenum format);
    GLuint AddFramebuffer(const std::vector<GLuint>& colour);
    void DrawQuad(Program program, GLuint texture) const;
    void DrawCascades();
    void DrawCubes();
    void DrawScene();
    void DrawLensFlare();
    void DrawBloom();
    void DrawComposite();
    void DrawFxaa();

    int width = 0, height = 0, shadowWidth = 0, shadowHeight = 0;
    std::array<GLuint, ProgramCount> programs = {};
    GLuint vertexArray = 0, vertexBuffer = 0, sceneDepth = 0;
    std::vector<GLuint> textures, framebuffers;
    GLuint sceneTarget = 0;
    std::array<GLuint, 3> sceneTextures = {}; // colour, bright, depth
    std::array<GLuint, 2> bloomTextures = {}, bloomTargets = {};
    std::array<GLuint, 2> smallTextures = {}, smallTargets = {};
    GLuint detailsTexture = 0, detailsTarget = 0, compositeTexture = 0, compositeTarget = 0;
    SceneFloor sceneFloor;
};
