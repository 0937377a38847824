#include "scene/CSkyboxDynamic.h"

#include <algorithm>

#include "app/CApplication.h"
#include "core/CRenderSettings.h"
#include "core/RandomValue.h"
#include "effects/RenderTextureList.h"
#include "scene/SkyMath.h"

namespace
{
const char* const quadPath = "Resources\\models\\quad\\quad.obj";
const char* const quadImages[3] = {"sun", "moon", "star"};

float RandomBetween(float low, float high)
{
    return float(RandomValue()) / 32767.0f * (high - low) + low;
}

bool LoadMap(CTexture& map, const std::string& pattern, const char* name)
{
    if (!map.LoadTexture2D(CubemapFacePath(pattern, name), false))
        return false;
    map.SetClampToEdge();
    return true;
}
}

bool CSkyboxDynamic::Init(const std::string& pattern)
{
    CSkybox::Init(pattern);
    CreateProgram("Resources\\shaders\\SkyboxDynamic.vert", "Resources\\shaders\\SkyboxDynamic.frag");
    const bool mapsLoaded = LoadMaps(pattern);
    objectProgram.Create();
    LoadQuads(pattern);
    PlaceObjects();
    return mapsLoaded;
}

bool CSkyboxDynamic::LoadMaps(const std::string& pattern)
{
    const bool horizonLoaded = LoadMap(horizonMap, pattern, "horizonmap");
    const bool sunLoaded = LoadMap(sunMap, pattern, "sunmap");
    std::map<std::string, int32_t>& debugTextures = CRenderSettings::GetInstance().renderTextures;
    debugTextures["SkyboxHorizonMap"] = int32_t(horizonMap.texture);
    debugTextures["SkyboxSunMap"] = int32_t(sunMap.texture);
    return horizonLoaded && sunLoaded;
}

void CSkyboxDynamic::LoadQuads(const std::string& pattern)
{
    meshes.clear();
    meshes.resize(3);
    for (size_t i = 0; i < meshes.size(); ++i)
    {
        meshes[i].Load(quadPath);
        // The importer puts a default material before the file's own, so the
        // image goes to the material the quad is drawn with.
        const size_t material = meshes[i].subMeshes.empty() ? 0 : meshes[i].subMeshes[0].materialIndex;
        meshes[i].SetMaterial(material, CubemapFacePath(pattern, quadImages[i]));
    }
}

void CSkyboxDynamic::PlaceObjects()
{
    directions = {glm::vec3(0.0f, 1.0f, 0.0f), glm::vec3(0.0f, -1.0f, 0.0f)};
    const std::vector<glm::vec3> stars = StarDirections(RandomValue());
    directions.insert(directions.end(), stars.begin(), stars.end());

    objects.assign(ObjectCount, SceneObject());
    for (size_t j = 0; j < objects.size(); ++j)
    {
        SceneObject& object = objects[j];
        object.mesh = &meshes[std::min<size_t>(j, 2)];
        object.program = &objectProgram;
        object.scale = glm::vec3(0.06f);
        if (j >= 2)
        {
            object.scale = glm::vec3(RandomBetween(0.18f, 0.25f));
            object.color = glm::vec4(1.0f, 1.0f, 1.0f, RandomBetween(0.1f, 1.0f));
        }
        else if (j == 0)
            object.color = glm::vec4(15.0f, 15.0f, 15.0f, 1.0f); // far above 1: it feeds the bloom
        object.position = directions[j];
        object.rotation = FacingRotation(object.position);
    }
}

void CSkyboxDynamic::BindTextures()
{
    glUniform1i(glGetUniformLocation(program.programId, "gSamplerHorizon"), 0);
    glUniform1i(glGetUniformLocation(program.programId, "gSamplerSun"), 1);
    const glm::vec3& sunDirection = CRenderSettings::GetInstance().dirLight.Direction;
    glUniform3fv(glGetUniformLocation(program.programId, "gSunDir"), 1, &sunDirection.x);
    horizonMap.Bind(0);
    sunMap.Bind(1);
    // Both maps are read with their own parameters (clamp to edge), not their samplers'.
    glBindSampler(0, 0);
    glBindSampler(1, 0);
}

void CSkyboxDynamic::Render()
{
    CSkybox::Render();
    CRenderSettings& settings = CRenderSettings::GetInstance();
    settings.dirLight.Base.Color = SunColorAt(settings.timeOfDay);
    if (!objectProgram.linked)
        return;
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    RenderObjects();
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

void CSkyboxDynamic::RenderObjects()
{
    const CApplication& app = CApplication::GetInstance();
    const float timeOfDay = CRenderSettings::GetInstance().timeOfDay;
    objectProgram.Use();
    glUniform1i(objectProgram.GetUniformLocation("gSampler"), 0);
    const Matrix4 view = ViewWithoutTranslation(app.camera ? app.camera->GetViewMatrix() : Matrix4::Identity());
    const Matrix4 viewProjection = app.projection * view;
    const Matrix4 dayRotation = MakeRotationMatrix(glm::vec3(0.0f, 0.0f, timeOfDay));
    for (size_t j = 0; j < objects.size(); ++j)
    {
        const SceneObject& object = objects[j];
        const Matrix4 world = dayRotation * MakeModelMatrix(object);
        float alpha = object.color.a;
        if (j >= 2)
            alpha *= StarVisibility(world.m[1][3], timeOfDay);
        if (alpha <= 0.0f)
            continue; // stars by day and below the horizon
        const Matrix4 mvp = viewProjection * world;
        glUniformMatrix4fv(objectProgram.GetUniformLocation("gMVP"), 1, GL_TRUE, mvp.Data());
        glUniform4f(objectProgram.GetUniformLocation("gColor"), object.color.r, object.color.g, object.color.b,
                    alpha);
        object.mesh->Render(&objectProgram);
    }
}

void CSkyboxDynamic::Release()
{
    if (initialized)
    {
        horizonMap.Release();
        sunMap.Release();
        CRenderSettings& settings = CRenderSettings::GetInstance();
        for (const char* key : {"SkyboxHorizonMap", "SkyboxSunMap"})
            UnregisterRenderTexture(settings.renderTextures, settings.selectedRenderTexture, key);
        objects.clear();
        meshes.clear();
        objectProgram.Destroy();
    }
    CSkybox::Release();
}
