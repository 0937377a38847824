#pragma once

#include <vector>

#include "FloorSurfaceProgram.h"
#include "scene/CCascadeShadowMap.h"

class CMainScene;
class CPointShadowMap;

// The raster floor of the shadow passes and the scene pass: the frame's own
// draw list, culled as the frame culls it, with shading that costs nothing.
// The shadow passes' programs already shade nothing but a depth or a distance,
// so the floor runs the frame's own passes into maps of its own: cascades, and
// cubes redrawn wherever the frame redraws its own (the table lamp's is kept
// from the first draw on, as the frame keeps it). The scene pass's meshes go
// through the floor's surface programs and the snow through its own sprite
// program, with the frame's draw order and depth state.
class SceneFloor
{
public:
    // Makes the maps and programs; false when one is unusable.
    bool Create(CMainScene& scene, int shadowWidth, int shadowHeight);
    void Destroy();

    void DrawCascades();
    void DrawCubes();
    // Into the bound scene target, over the sky.
    void DrawMeshes();

private:
    CMainScene* scene = nullptr;
    CCascadeShadowMap cascades;
    std::vector<CPointShadowMap*> cubes;
    FloorSurfaceProgram opaque{false};
    FloorSurfaceProgram alphaTested{true};
};
