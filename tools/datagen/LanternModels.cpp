#include <cmath>

#include <glm/gtc/matrix_transform.hpp>

#include "Models.h"
#include "SceneLayout.h"

namespace
{
const float StoneUv = 0.4f;

void AddStone(CMeshBuilder& mesh, std::vector<glm::vec2> profile, int sides, bool smooth, bool capTop,
              bool capBottom = false)
{
    LatheDef lathe;
    lathe.profile = std::move(profile);
    lathe.sides = sides;
    lathe.smooth = smooth;
    lathe.uvScale = StoneUv;
    lathe.capTop = capTop;
    lathe.capBottom = capBottom;
    lathe.angleOffset = sides == 4 ? 0.7853982f : 0.0f;
    mesh.AddLathe(lathe);
}

void AddLanternMaterials(CMeshBuilder& mesh)
{
    mesh.AddMaterial({"lantern_stone", "stone_diffuse.png", glm::vec3(0.15f), 8.0f});
    mesh.AddMaterial({"lantern_window", "window_diffuse.png", glm::vec3(0.1f), 8.0f});
}

// A thin upright post of the light chamber at angle `angle` around the axis.
void AddChamberPost(CMeshBuilder& mesh, const glm::mat4& base, float angle, float radius, float y0, float y1,
                    float half)
{
    const glm::vec3 at(radius * std::cos(angle), 0.5f * (y0 + y1), radius * std::sin(angle));
    mesh.SetTransform(base * glm::translate(glm::mat4(1.0f), at) *
                      glm::rotate(glm::mat4(1.0f), -angle, glm::vec3(0, 1, 0)));
    mesh.AddBox(glm::vec3(0.0f), glm::vec3(half, 0.5f * (y1 - y0), half), StoneUv);
    mesh.SetTransform(base);
}
} // namespace

// A tall hexagonal stone lantern (about 21 high): base, round post, platform,
// a paper-windowed light chamber centred on the lamp, a wide roof and a
// jewel finial. Built at its foot, off the model origin.
CMeshBuilder BuildLantern()
{
    CMeshBuilder mesh;
    AddLanternMaterials(mesh);
    const glm::mat4 base = glm::translate(glm::mat4(1.0f), LanternFoot);
    mesh.SetTransform(base);
    mesh.BeginObject("base", "lantern_stone");
    AddStone(mesh, {{2.7f, -0.3f}, {2.7f, 0.9f}, {2.2f, 1.6f}}, 6, false, true);
    AddStone(mesh, {{0.95f, 1.6f}, {0.86f, 5.2f}, {1.05f, 5.4f}, {1.05f, 5.7f}, {0.86f, 5.9f}, {0.78f, 9.4f}}, 16,
             true, false);
    AddStone(mesh, {{0.9f, 9.3f}, {2.5f, 10.6f}, {2.5f, 11.2f}}, 6, false, true);
    const float bottom = LanternLampHeight - 2.95f;
    const float top = LanternLampHeight + 2.95f;
    mesh.BeginObject("chamber", "lantern_window");
    AddStone(mesh, {{1.5f, bottom}, {1.5f, top}}, 6, false, false);
    mesh.BeginObject("chamber_frame", "lantern_stone");
    for (int i = 0; i < 6; ++i)
        AddChamberPost(mesh, base, i * 1.0471976f, 1.52f, bottom, top, 0.2f);
    AddStone(mesh, {{1.7f, top - 0.3f}, {1.7f, top}}, 6, false, false);
    mesh.BeginObject("roof", "lantern_stone");
    AddStone(mesh, {{1.6f, top}, {3.9f, top + 0.45f}, {4.0f, top + 0.75f}, {2.3f, top + 1.6f}, {0.6f, top + 2.3f}},
             6, false, true, true);
    AddStone(mesh, {{0.45f, top + 2.3f}, {0.62f, top + 2.6f}, {0.68f, top + 2.9f}, {0.55f, top + 3.25f},
                    {0.3f, top + 3.5f}, {0.08f, top + 3.8f}, {0.0f, top + 3.9f}},
             12, true, false);
    return mesh;
}

// A low lantern on four splayed legs with a wide square roof. The light
// chamber is open between its corner posts, so the lamp inside lights and
// shadows the ground around it; a candle glows below the lamp.
CMeshBuilder BuildLantern2()
{
    CMeshBuilder mesh;
    AddLanternMaterials(mesh);
    mesh.AddMaterial({"candle", "candle_diffuse.png", glm::vec3(0.1f), 8.0f});
    const glm::mat4 base = glm::translate(glm::mat4(1.0f), Lantern2Foot);
    mesh.BeginObject("legs", "lantern_stone");
    for (int i = 0; i < 4; ++i)
    {
        const float angle = 0.7853982f + i * 1.5707963f;
        const glm::vec3 out(std::cos(angle), 0.0f, std::sin(angle));
        const glm::vec3 foot = out * 1.55f + glm::vec3(0.0f, -0.2f, 0.0f);
        const glm::vec3 head = out * 0.65f + glm::vec3(0.0f, 1.6f, 0.0f);
        const glm::vec3 axis = glm::normalize(head - foot);
        const glm::vec3 tiltAxis = glm::normalize(glm::cross(glm::vec3(0, 1, 0), axis));
        const float tilt = std::acos(axis.y);
        mesh.SetTransform(base * glm::translate(glm::mat4(1.0f), 0.5f * (foot + head)) *
                          glm::rotate(glm::mat4(1.0f), tilt, tiltAxis));
        mesh.AddBox(glm::vec3(0.0f), glm::vec3(0.17f, 0.5f * glm::length(head - foot), 0.17f), StoneUv);
    }
    mesh.SetTransform(base);
    const float floorTop = Lantern2LampHeight - 0.65f;
    const float ceiling = Lantern2LampHeight + 0.65f;
    mesh.BeginObject("chamber", "lantern_stone");
    AddStone(mesh, {{1.15f, floorTop - 0.35f}, {1.15f, floorTop}}, 4, false, true, true);
    for (int i = 0; i < 4; ++i)
        AddChamberPost(mesh, base, 0.7853982f + i * 1.5707963f, 0.95f, floorTop, ceiling, 0.09f);
    mesh.BeginObject("candle", "candle");
    AddStone(mesh, {{0.11f, floorTop}, {0.11f, floorTop + 0.38f}}, 10, true, true);
    mesh.BeginObject("roof", "lantern_stone");
    AddStone(mesh, {{0.95f, ceiling}, {1.95f, ceiling + 0.2f}, {2.0f, ceiling + 0.4f}, {1.0f, ceiling + 0.95f},
                    {0.3f, ceiling + 1.3f}},
             4, false, true, true);
    AddStone(mesh, {{0.22f, ceiling + 1.3f}, {0.3f, ceiling + 1.5f}, {0.15f, ceiling + 1.7f}, {0.0f, ceiling + 1.8f}},
             10, true, false);
    return mesh;
}
