#include "shaders/CShaderProgramShadowMap.h"

#include "core/CRenderSettings.h"
#include "core/SceneObject.h"
#include "scene/CascadeFit.h"
#include "shaders/UniformUpload.h"

const UniformTable CShaderProgramShadowMap::uniformNames = {{"gMVP"}, {"gSampler"}};

CShaderProgramShadowMap::CShaderProgramShadowMap()
    : CShaderProgramShadowMap("Resources\\shaders\\shadowMap.frag", uniformNames)
{
}

CShaderProgramShadowMap::CShaderProgramShadowMap(const char* fragmentPath, const UniformTable& table)
    : CVertexFragmentProgram("Resources\\shaders\\shadowMap.vert", fragmentPath, table)
{
}

void CShaderProgramShadowMap::SetupEntity(const SceneObject& object)
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    // An index outside the four cascades uploads nothing rather than reading past the boxes.
    if (cascadeIndex < 0 || size_t(cascadeIndex) >= settings.cascadeOrthoBounds.size())
        return;
    const Matrix4 lightViewProjection = MakeCascadeProjection(settings.cascadeOrthoBounds[size_t(cascadeIndex)]) *
                                        MakeLightView(settings.dirLight.Direction);
    SetUniform(*this, "gMVP", lightViewProjection * MakeModelMatrix(object));
    SetUniform(*this, "gSampler", 0);
}
