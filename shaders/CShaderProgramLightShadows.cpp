#include "shaders/CShaderProgramLightShadows.h"

#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "core/FormatString.h"
#include "core/LightingState.h"
#include "core/SceneObject.h"
#include "scene/CMaterial.h"
#include "scene/CMesh.h"
#include "scene/CascadeFit.h"
#include "shaders/PointLightSelection.h"
#include "shaders/UniformUpload.h"

namespace
{
const float kSpecularPower = 64.0f;

std::string Indexed(const char* pattern, int index)
{
    return FormatString(pattern, index);
}
}

const UniformTable CShaderProgramLightShadows::uniformNames = {
    {"gDirLight.Direction"},
    {"gDirLight.Base.Color"},
    {"gDirLight.Base.AmbientIntensity"},
    {"gDirLight.Base.DiffuseIntensity"},
    {"gCameraPos"},
    {"gSpecularPower"},
    {"gSampler"},
    {"gNormalMap"},
    {"gNormalMapEnabled"},
    {"gSpecularMap"},
    {"gSpecularMapEnabled"},
    {"gGlowMap"},
    {"gGlowMapEnabled"},
    {"gShadowMapSize"},
    {"gMVP"},
    {"gModelMat"},
    {"gTextureRepeat"},
    {"gDebugShowCSM"},
    {"gNumPointLights"},
    {"gShadowMapDir[%d]", kCascadeCount},
    {"gShadowMapCascadeEndClipSpace[%d]", kCascadeCount},
    {"gLightMVP[%d]", kCascadeCount},
    {"gPointLights[%d].Base.Color", kMaxPointLightsPerDraw},
    {"gPointLights[%d].Base.AmbientIntensity", kMaxPointLightsPerDraw},
    {"gPointLights[%d].Base.DiffuseIntensity", kMaxPointLightsPerDraw},
    {"gPointLights[%d].Position", kMaxPointLightsPerDraw},
    {"gPointLights[%d].Atten.Constant", kMaxPointLightsPerDraw},
    {"gPointLights[%d].Atten.Linear", kMaxPointLightsPerDraw},
    {"gPointLights[%d].Atten.Exp", kMaxPointLightsPerDraw},
    {"gPointLights[%d].ShadowMapEnabled", kMaxPointLightsPerDraw},
    {"gPointLights[%d].ShadowMap", kMaxPointLightsPerDraw},
};

void CShaderProgramLightShadows::Create()
{
    Destroy();
    CShaderProgramLitVariant& full = variants[size_t(LitVariantIndex(kFullLitVariant))];
    full.Build(kFullLitVariant, uniformNames);
    linked = full.linked;
    programId = full.programId;
    uniformLocations = full.uniformLocations;
    keyInUse = kFullLitVariant;
}

void CShaderProgramLightShadows::Destroy()
{
    for (CShaderProgramLitVariant& variant : variants)
    {
        if (variant.built)
            variant.Destroy();
    }
    linked = false;
    programId = 0;
    uniformLocations.clear();
}

void CShaderProgramLightShadows::UseVariant(const LitVariantKey& key)
{
    CShaderProgramLitVariant& variant = variants[size_t(LitVariantIndex(key))];
    if (!variant.built)
        variant.Build(key, uniformNames);
    keyInUse = variant.linked ? key : kFullLitVariant;
    programId = Active().programId;
    glUseProgram(programId);
}

const CShaderProgram& CShaderProgramLightShadows::Active() const
{
    return variants[size_t(LitVariantIndex(keyInUse))];
}

void CShaderProgramLightShadows::SetupEntity(const SceneObject& object)
{
    const bool holes = object.mesh != nullptr && object.mesh->HasTransparentMaterial();
    const bool glowing = object.mesh != nullptr && object.mesh->HasGlowMaterial();
    const LightingState light = LightingStateOf(CRenderSettings::GetInstance().dirLight);
    UseVariant(fullVariantOnly ? kFullLitVariant : MakeLitVariantKey(light, holes, glowing));
    UploadDirectionalLight();
    SetUniform(Active(), "gCameraPos", CApplication::GetInstance().camera
                                           ? CApplication::GetInstance().camera->GetPosition()
                                           : glm::vec3(0.0f));
    SetUniform(Active(), "gSpecularPower", kSpecularPower);
    // A variant without the lamps has none of their uniforms to upload.
    if (keyInUse.lamps)
        UploadPointLights(object);
    UploadSurface(object);
    const Matrix4 model = MakeModelMatrix(object);
    SetUniform(Active(), "gMVP", CameraMVP(model));
    SetUniform(Active(), "gModelMat", model);
    UploadCascades(model);
}

void CShaderProgramLightShadows::SetupMaterial(const CMaterial* material)
{
    const auto enabled = [material](CMaterial::Slot slot) {
        return GLint(material != nullptr && material->textures[slot] != nullptr);
    };
    SetUniform(Active(), "gNormalMapEnabled", enabled(CMaterial::Normal));
    SetUniform(Active(), "gSpecularMapEnabled", enabled(CMaterial::Specular));
    SetUniform(Active(), "gGlowMapEnabled", enabled(CMaterial::Glow));
}

void CShaderProgramLightShadows::UploadDirectionalLight()
{
    const DirectionalLight& light = CRenderSettings::GetInstance().dirLight;
    SetUniform(Active(), "gDirLight.Direction", light.Direction);
    SetUniform(Active(), "gDirLight.Base.Color", light.Base.Color);
    SetUniform(Active(), "gDirLight.Base.AmbientIntensity", light.Base.AmbientIntensity);
    SetUniform(Active(), "gDirLight.Base.DiffuseIntensity", light.Base.DiffuseIntensity);
}

void CShaderProgramLightShadows::UploadPointLights(const SceneObject& object)
{
    const std::vector<PointLight>& lights = CRenderSettings::GetInstance().pointLights;
    const PointLightSelection selection =
        SelectPointLights(lights, object.position, (object.flags & FlagAllPointLights) != 0);
    for (int slot = 0; slot < selection.count; ++slot)
        UploadPointLight(slot, lights[size_t(selection.lights[size_t(slot)])]);
    SetUniform(Active(), "gNumPointLights", GLint(selection.count));
}

void CShaderProgramLightShadows::UploadPointLight(int slot, const PointLight& light)
{
    SetUniform(Active(), Indexed("gPointLights[%d].Base.Color", slot), light.Base.Color);
    SetUniform(Active(), Indexed("gPointLights[%d].Base.AmbientIntensity", slot), light.Base.AmbientIntensity);
    SetUniform(Active(), Indexed("gPointLights[%d].Base.DiffuseIntensity", slot), light.Base.DiffuseIntensity);
    SetUniform(Active(), Indexed("gPointLights[%d].Position", slot), light.Position);
    SetUniform(Active(), Indexed("gPointLights[%d].Atten.Constant", slot), light.Atten.Constant);
    SetUniform(Active(), Indexed("gPointLights[%d].Atten.Linear", slot), light.Atten.Linear);
    SetUniform(Active(), Indexed("gPointLights[%d].Atten.Exp", slot), light.Atten.Exp);
    SetUniform(Active(), Indexed("gPointLights[%d].ShadowMapEnabled", slot), GLint(light.ShadowMapEnabled));
    if (light.ShadowMapEnabled)
        SetUniform(Active(), Indexed("gPointLights[%d].ShadowMap", slot), kFirstPointShadowUnit + light.ShadowMap);
}

void CShaderProgramLightShadows::UploadSurface(const SceneObject& object)
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    SetUniform(Active(), "gSampler", kDiffuseUnit);
    SetUniform(Active(), "gNormalMap", kNormalUnit);
    SetUniform(Active(), "gSpecularMap", kSpecularUnit);
    SetUniform(Active(), "gGlowMap", kGlowUnit);
    SetUniform(Active(), "gShadowMapSize",
               glm::vec2(float(settings.shadowMapWidth), float(settings.shadowMapHeight)));
    SetUniform(Active(), "gTextureRepeat", object.textureRepeat);
    SetUniform(Active(), "gDebugShowCSM", settings.showCsmCascades ? 1.0f : 0.0f);
}

// The cascades' far ends choose the cascade that the debug display tints, in
// every variant; the maps and their matrices are read only where the sun shines.
void CShaderProgramLightShadows::UploadCascades(const Matrix4& model)
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    const Matrix4& projection = CApplication::GetInstance().projection;
    const Matrix4 lightView = MakeLightView(settings.dirLight.Direction);
    for (int i = 0; i < kCascadeCount; ++i)
    {
        const size_t cascade = size_t(i);
        SetUniform(Active(), Indexed("gShadowMapCascadeEndClipSpace[%d]", i),
                   ClipSpaceDepth(projection, settings.cascadeSplits[cascade + 1]));
        if (!keyInUse.sun)
            continue;
        SetUniform(Active(), Indexed("gShadowMapDir[%d]", i), kFirstCascadeUnit + i);
        SetUniform(Active(), Indexed("gLightMVP[%d]", i),
                   MakeCascadeProjection(settings.cascadeOrthoBounds[cascade]) * lightView * model);
    }
}
