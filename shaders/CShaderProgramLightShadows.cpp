#include "shaders/CShaderProgramLightShadows.h"

#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "core/FormatString.h"
#include "core/SceneObject.h"
#include "scene/CMaterial.h"
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

CShaderProgramLightShadows::CShaderProgramLightShadows()
    : CVertexFragmentProgram("Resources\\shaders\\lightShadows.vert",
                             "Resources\\shaders\\lightShadows.frag", uniformNames)
{
}

void CShaderProgramLightShadows::Create()
{
    CVertexFragmentProgram::Create();
    PointSamplersAtFixedUnits();
}

// Every sampler starts at its own unit. Left at the link-time default of 0, the
// cube samplers of slots that never get a shadow-casting light would share
// unit 0 with the 2D diffuse sampler, and OpenGL refuses draws where one unit
// is sampled as two texture types.
void CShaderProgramLightShadows::PointSamplersAtFixedUnits()
{
    if (!linked)
        return;
    glUseProgram(programId);
    SetUniform(*this, "gSampler", kDiffuseUnit);
    SetUniform(*this, "gNormalMap", kNormalUnit);
    SetUniform(*this, "gSpecularMap", kSpecularUnit);
    SetUniform(*this, "gGlowMap", kGlowUnit);
    for (int i = 0; i < kCascadeCount; ++i)
        SetUniform(*this, Indexed("gShadowMapDir[%d]", i), kFirstCascadeUnit + i);
    for (int slot = 0; slot < kMaxPointLightsPerDraw; ++slot)
        SetUniform(*this, Indexed("gPointLights[%d].ShadowMap", slot), kFirstPointShadowUnit + slot);
    // Not the program that was current before: it may have been deleted meanwhile.
    glUseProgram(0);
}

void CShaderProgramLightShadows::SetupEntity(const SceneObject& object)
{
    UploadDirectionalLight();
    SetUniform(*this, "gCameraPos", CApplication::GetInstance().camera
                                        ? CApplication::GetInstance().camera->GetPosition()
                                        : glm::vec3(0.0f));
    SetUniform(*this, "gSpecularPower", kSpecularPower);
    UploadPointLights(object);
    UploadSurface(object);
    const Matrix4 model = MakeModelMatrix(object);
    SetUniform(*this, "gMVP", CameraMVP(model));
    SetUniform(*this, "gModelMat", model);
    UploadCascades(model);
}

void CShaderProgramLightShadows::SetupMaterial(const CMaterial* material)
{
    const auto enabled = [material](CMaterial::Slot slot) {
        return GLint(material != nullptr && material->textures[slot] != nullptr);
    };
    SetUniform(*this, "gNormalMapEnabled", enabled(CMaterial::Normal));
    SetUniform(*this, "gSpecularMapEnabled", enabled(CMaterial::Specular));
    SetUniform(*this, "gGlowMapEnabled", enabled(CMaterial::Glow));
}

void CShaderProgramLightShadows::UploadDirectionalLight()
{
    const DirectionalLight& light = CRenderSettings::GetInstance().dirLight;
    SetUniform(*this, "gDirLight.Direction", light.Direction);
    SetUniform(*this, "gDirLight.Base.Color", light.Base.Color);
    SetUniform(*this, "gDirLight.Base.AmbientIntensity", light.Base.AmbientIntensity);
    SetUniform(*this, "gDirLight.Base.DiffuseIntensity", light.Base.DiffuseIntensity);
}

void CShaderProgramLightShadows::UploadPointLights(const SceneObject& object)
{
    const std::vector<PointLight>& lights = CRenderSettings::GetInstance().pointLights;
    const PointLightSelection selection =
        SelectPointLights(lights, object.position, (object.flags & FlagAllPointLights) != 0);
    for (int slot = 0; slot < selection.count; ++slot)
        UploadPointLight(slot, lights[size_t(selection.lights[size_t(slot)])]);
    SetUniform(*this, "gNumPointLights", GLint(selection.count));
}

void CShaderProgramLightShadows::UploadPointLight(int slot, const PointLight& light)
{
    SetUniform(*this, Indexed("gPointLights[%d].Base.Color", slot), light.Base.Color);
    SetUniform(*this, Indexed("gPointLights[%d].Base.AmbientIntensity", slot), light.Base.AmbientIntensity);
    SetUniform(*this, Indexed("gPointLights[%d].Base.DiffuseIntensity", slot), light.Base.DiffuseIntensity);
    SetUniform(*this, Indexed("gPointLights[%d].Position", slot), light.Position);
    SetUniform(*this, Indexed("gPointLights[%d].Atten.Constant", slot), light.Atten.Constant);
    SetUniform(*this, Indexed("gPointLights[%d].Atten.Linear", slot), light.Atten.Linear);
    SetUniform(*this, Indexed("gPointLights[%d].Atten.Exp", slot), light.Atten.Exp);
    SetUniform(*this, Indexed("gPointLights[%d].ShadowMapEnabled", slot), GLint(light.ShadowMapEnabled));
    if (light.ShadowMapEnabled)
        SetUniform(*this, Indexed("gPointLights[%d].ShadowMap", slot), kFirstPointShadowUnit + light.ShadowMap);
}

void CShaderProgramLightShadows::UploadSurface(const SceneObject& object)
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    SetUniform(*this, "gSampler", kDiffuseUnit);
    SetUniform(*this, "gNormalMap", kNormalUnit);
    SetUniform(*this, "gSpecularMap", kSpecularUnit);
    SetUniform(*this, "gGlowMap", kGlowUnit);
    SetUniform(*this, "gShadowMapSize",
               glm::vec2(float(settings.shadowMapWidth), float(settings.shadowMapHeight)));
    SetUniform(*this, "gTextureRepeat", object.textureRepeat);
    SetUniform(*this, "gDebugShowCSM", settings.showCsmCascades ? 1.0f : 0.0f);
}

void CShaderProgramLightShadows::UploadCascades(const Matrix4& model)
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    const Matrix4& projection = CApplication::GetInstance().projection;
    const Matrix4 lightView = MakeLightView(settings.dirLight.Direction);
    for (int i = 0; i < kCascadeCount; ++i)
    {
        const size_t cascade = size_t(i);
        SetUniform(*this, Indexed("gShadowMapDir[%d]", i), kFirstCascadeUnit + i);
        SetUniform(*this, Indexed("gShadowMapCascadeEndClipSpace[%d]", i),
                   ClipSpaceDepth(projection, settings.cascadeSplits[cascade + 1]));
        SetUniform(*this, Indexed("gLightMVP[%d]", i),
                   MakeCascadeProjection(settings.cascadeOrthoBounds[cascade]) * lightView * model);
    }
}
