#pragma once

#include <glm/glm.hpp>
#include <vector>

#include "core/SceneObject.h"
#include "scene/CMesh.h"
#include "scene/CSkybox.h"
#include "shaders/CShaderProgramBasicTextured.h"
#include "textures/CTexture.h"

// The time-of-day sky: the cube shaded from a horizon map and a sun map, a
// sun, a moon and 100 stars on quads that turn with the time of day, and the
// sunlight colour taken from the day's colour table.
class CSkyboxDynamic : public CSkybox
{
public:
    static constexpr size_t StarCount = 100;
    static constexpr size_t ObjectCount = StarCount + 2; // sun, moon, stars

    // True when both sky maps loaded.
    bool Init(const std::string& pattern) override;
    // Also sets the directional light's colour for the current time of day.
    void Render() override;
    // Frees the maps, the quads and their program as well.
    void Release() override;
    void BindTextures() override;

    CTexture horizonMap;
    CTexture sunMap;
    std::vector<SceneObject> objects;
    std::vector<glm::vec3> directions; // sky position of each object
    std::vector<CMesh> meshes;         // quads: sun, moon, star
    CShaderProgramBasicTextured objectProgram;

private:
    bool LoadMaps(const std::string& pattern);
    void LoadQuads(const std::string& pattern);
    void PlaceObjects();
    void RenderObjects();
};
