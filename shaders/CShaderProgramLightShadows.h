#pragma once

#include <array>

#include "core/Matrix4.h"
#include "shaders/CShaderProgramLitVariant.h"

struct PointLight;

// Lit, shadow-receiving objects: the sun with four shadow cascades, up to
// three point lights with cube shadows, and normal, specular and glow maps.
// The program is held in variants by what a draw needs (LitVariantKey): each
// draw picks the one for the frame's light and its surface, builds it the
// first time it is needed, makes it current and uploads to it. Everything a
// draw needs is uploaded per draw, so a variant used after a change of key
// has every value. Outside, it is one program: `programId` is the variant in
// use, and `linked` and the uniform table are those of the full variant.
class CShaderProgramLightShadows : public CShaderProgram
{
public:
    static const UniformTable uniformNames;

    // Builds the full variant, so that a source that does not build shows at start-up.
    void Create() override;
    // Every variant built so far.
    void Destroy() override;
    void SetupEntity(const SceneObject& object) override;
    // Switches the normal, specular and glow maps on for the textures the material has.
    void SetupMaterial(const CMaterial* material) override;

    // Makes the variant for `key` current, built if it was not; a variant that
    // does not link gives way to the full one.
    void UseVariant(const LitVariantKey& key);
    LitVariantKey keyInUse = kFullLitVariant;
    // Every draw takes the full variant: the picture the others must match
    // (kestrune-capture --full-lit-program).
    bool fullVariantOnly = false;
    std::array<CShaderProgramLitVariant, kLitVariantCount> variants;

private:
    const CShaderProgram& Active() const;
    void UploadDirectionalLight();
    void UploadPointLights(const SceneObject& object);
    void UploadPointLight(int slot, const PointLight& light);
    void UploadSurface(const SceneObject& object);
    void UploadCascades(const Matrix4& model);
};
