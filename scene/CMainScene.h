#pragma once

#include <array>
#include <glm/glm.hpp>
#include <vector>

#include "core/IScene.h"
#include "core/SceneObject.h"
#include "effects/CParticleSystem.h"
#include "effects/ParticleParams.h"
#include "scene/CCascadeShadowMap.h"
#include "scene/CMesh.h"
#include "scene/CPointShadowMap.h"
#include "shaders/CShaderProgramBasic.h"
#include "shaders/CShaderProgramLightShadows.h"
#include "shaders/CShaderProgramPointLightShadowMap.h"
#include "shaders/CShaderProgramShadowMap.h"
#include "shaders/CShaderProgramShadowMapOpaque.h"

// Where the lamps of the eight lanterns burn, in the order of lights 1 to 8.
extern const std::array<glm::vec3, 8> LanternLightPositions;

// The winter scene: snow landscape, table, torii gate, grass and eight
// lanterns, lit by the sun and nine warm point lights, three of which cast
// cube shadows.
class CMainScene : public IScene
{
public:
    void Init() override;
    void RenderShadowMaps() override;
    void Render() override;
    void RenderUI() override;
    void Update() override;
    void Release() override;

    CShaderProgramBasic basicProgram;
    CShaderProgramLightShadows lightShadowsProgram;
    CShaderProgramShadowMap shadowMapProgram;
    CShaderProgramShadowMapOpaque opaqueShadowMapProgram;
    CShaderProgramPointLightShadowMap pointShadowProgram;
    CCascadeShadowMap cascadeShadowMap;
    std::vector<CPointShadowMap*> pointShadowMaps;
    CParticleSystem particles;
    ParticleParams particleSettings;
    std::vector<SceneObject> objects;
    std::vector<CMesh> meshes;

private:
    void LoadMeshes();
    void AddObjects();
    void AddLights();
    void CreateShadowMaps();
    void FitShadowMapsToSettings();
    void BindShadowMaps();
};
