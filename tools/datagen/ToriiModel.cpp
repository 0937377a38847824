#include <cmath>

#include <glm/gtc/matrix_transform.hpp>

#include "Models.h"
#include "SceneLayout.h"

namespace
{
const float PillarX = 5.2f;
const float KasagiHalfLength = 8.8f;

// The top lintel: a beam whose ends sweep upwards, built as a run of
// segments along x with the cross-section (half height, half depth).
void AddCurvedBeam(CMeshBuilder& mesh, float baseY, float halfHeight, float halfDepth)
{
    const int segments = 24;
    auto centreY = [&](float x) { return baseY + 0.7f * std::pow(std::fabs(x) / KasagiHalfLength, 2.6f); };
    auto corner = [&](float x, float sy, float sz) {
        const float depth = sy > 0.0f ? halfDepth * 1.12f : halfDepth;
        return glm::vec3(x, centreY(x) + sy * halfHeight, ToriiZ + sz * depth);
    };
    const float sides[4][2] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}}; // (sy, sz) around the section
    for (int i = 0; i < segments; ++i)
    {
        const float x0 = -KasagiHalfLength + 2.0f * KasagiHalfLength * i / segments;
        const float x1 = -KasagiHalfLength + 2.0f * KasagiHalfLength * (i + 1) / segments;
        for (int s = 0; s < 4; ++s)
        {
            const float* a = sides[s];
            const float* b = sides[(s + 1) % 4];
            const glm::vec3 quad[4] = {corner(x0, a[0], a[1]), corner(x0, b[0], b[1]), corner(x1, b[0], b[1]),
                                       corner(x1, a[0], a[1])};
            const glm::vec2 uvs[4] = {{x0 * 0.5f, 0.0f}, {x0 * 0.5f, 0.5f}, {x1 * 0.5f, 0.5f}, {x1 * 0.5f, 0.0f}};
            mesh.AddQuad(quad, uvs);
        }
    }
    for (float x : {-KasagiHalfLength, KasagiHalfLength})
    {
        const glm::vec3 cap[4] = {corner(x, 1, 1), corner(x, 1, -1), corner(x, -1, -1), corner(x, -1, 1)};
        const glm::vec2 uvs[4] = {{0, 0}, {0.5f, 0}, {0.5f, 0.3f}, {0, 0.3f}};
        mesh.AddQuad(cap, uvs);
    }
}

void AddPillar(CMeshBuilder& mesh, float x, const std::string& material, const std::vector<glm::vec2>& profile)
{
    mesh.SetTransform(glm::translate(glm::mat4(1.0f), glm::vec3(x, 0.0f, ToriiZ)));
    LatheDef lathe;
    lathe.profile = profile;
    lathe.sides = 20;
    lathe.uvScale = 0.5f;
    lathe.capTop = material == "torii_black";
    mesh.AddLathe(lathe);
    mesh.SetTransform(glm::mat4(1.0f));
}
} // namespace

// A vermilion gate across the clearing: two pillars on black sleeves, a tie
// beam, a red lower lintel and a black upswept top lintel, 13.5 high.
CMeshBuilder BuildTorii()
{
    CMeshBuilder mesh;
    mesh.AddMaterial({"torii_red", "torii_red_diffuse.png", glm::vec3(0.5f), 40.0f});
    mesh.AddMaterial({"torii_black", "torii_black_diffuse.png", glm::vec3(0.6f), 64.0f});
    mesh.BeginObject("pillars", "torii_red");
    for (float x : {-PillarX, PillarX})
        AddPillar(mesh, x, "torii_red", {{0.62f, 1.2f}, {0.52f, 12.15f}});
    mesh.BeginObject("sleeves", "torii_black");
    for (float x : {-PillarX, PillarX})
        AddPillar(mesh, x, "torii_black", {{0.8f, -0.2f}, {0.8f, 1.1f}, {0.66f, 1.3f}});
    mesh.BeginObject("beams", "torii_red");
    const float uv = 0.5f;
    mesh.AddBox(glm::vec3(0.0f, 9.9f, ToriiZ), glm::vec3(7.1f, 0.34f, 0.27f), uv);   // tie beam
    mesh.AddBox(glm::vec3(0.0f, 10.85f, ToriiZ), glm::vec3(0.32f, 0.62f, 0.22f), uv); // centre strut
    mesh.AddBox(glm::vec3(0.0f, 11.75f, ToriiZ), glm::vec3(7.7f, 0.28f, 0.58f), uv);  // lower lintel
    mesh.BeginObject("kasagi", "torii_black");
    AddCurvedBeam(mesh, 12.42f, 0.4f, 0.55f);
    return mesh;
}
