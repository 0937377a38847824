#include "shaders/CShaderProgramPointLightShadowMap.h"

#include "core/CRenderSettings.h"
#include "core/SceneObject.h"
#include "scene/CubeFaces.h"
#include "shaders/UniformUpload.h"

const UniformTable CShaderProgramPointLightShadowMap::uniformNames = {{"gMVP"}, {"gModel"}, {"gLightWorldPos"}};

CShaderProgramPointLightShadowMap::CShaderProgramPointLightShadowMap()
    : CVertexFragmentProgram("Resources\\shaders\\shadowMapPointLight.vert",
                             "Resources\\shaders\\shadowMapPointLight.frag", uniformNames)
{
}

void CShaderProgramPointLightShadowMap::SetupEntity(const SceneObject& object)
{
    const CRenderSettings& settings = CRenderSettings::GetInstance();
    if (lightIndex < 0 || size_t(lightIndex) >= settings.pointLights.size() || faceIndex < 0 ||
        size_t(faceIndex) >= CubeFaceTable.size())
        return;
    const glm::vec3 lightPosition = settings.pointLights[size_t(lightIndex)].Position;
    const Matrix4 view = MakeCubeFaceView(lightPosition, CubeFaceTable[size_t(faceIndex)]);
    const Matrix4 projection = MakeCubeFaceProjection(1.0f); // the faces are square
    const Matrix4 model = MakeModelMatrix(object);
    SetUniform(*this, "gMVP", projection * view * model);
    SetUniform(*this, "gModel", model);
    SetUniform(*this, "gLightWorldPos", lightPosition);
}
