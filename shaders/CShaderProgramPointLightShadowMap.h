#pragma once

#include <cstdint>

#include "shaders/CVertexFragmentProgram.h"

// World-space distance from a point light into one face of its shadow cube:
// "gMVP", "gModel", "gLightWorldPos".
class CShaderProgramPointLightShadowMap : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramPointLightShadowMap();

    // Uploads for light `lightIndex` and cube face `faceIndex`; nothing when either is out of range.
    void SetupEntity(const SceneObject& object) override;

    int32_t lightIndex = 0; // set by the point-light pass before each face
    int32_t faceIndex = 0;
};
