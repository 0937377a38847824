#pragma once

#include "core/Matrix4.h"
#include "shaders/CVertexFragmentProgram.h"

struct PointLight;

// Lit, shadow-receiving objects: the sun with four shadow cascades, up to
// three point lights with cube shadows, and normal, specular and glow maps.
class CShaderProgramLightShadows : public CVertexFragmentProgram
{
public:
    static const UniformTable uniformNames;

    CShaderProgramLightShadows();

    void Create() override;
    void SetupEntity(const SceneObject& object) override;
    // Switches the normal, specular and glow maps on for the textures the material has.
    void SetupMaterial(const CMaterial* material) override;

private:
    void PointSamplersAtFixedUnits();
    void UploadDirectionalLight();
    void UploadPointLights(const SceneObject& object);
    void UploadPointLight(int slot, const PointLight& light);
    void UploadSurface(const SceneObject& object);
    void UploadCascades(const Matrix4& model);
};
