#pragma once

#include "shaders/CVertexFragmentProgram.h"

// Lens flare, last pass: lens dirt and a starburst that turns with the camera.
class CShaderProgramLensFlareDetails : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramLensFlareDetails();
};
