#pragma once

#include "shaders/CShaderProgram.h"

// The scene pass's meshes at the raster floor: the mesh's own position and
// texture coordinate streams, transformed by the camera, and a fragment stage
// that writes the diffuse texel to the three scene targets and nothing else.
// The alpha-tested variant also cuts the holes that the lit pass cuts, for
// the meshes whose textures have them; the other keeps early depth testing.
class FloorSurfaceProgram : public CShaderProgram
{
public:
    explicit FloorSurfaceProgram(bool alphaTested);

    void Create() override;
    void SetupEntity(const SceneObject& object) override;

private:
    bool alphaTested;
};
