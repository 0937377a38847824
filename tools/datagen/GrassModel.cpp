#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>

#include <glm/gtc/matrix_transform.hpp>

#include "CRandom.h"
#include "CTerrain.h"
#include "Models.h"
#include "Noise.h"
#include "SceneLayout.h"

namespace
{
const int ClumpCount = 430;
const int BladesPerClump = 10;
const int RockCount = 16;
// Grass grows out to this radius; the model is cut into a square grid of
// pieces over it, so that the shadow passes can leave out what a cascade or
// cube face cannot see.
const float GrassRadius = 58.0f;
const int PiecesPerSide = 6;

// The triangles of one piece, by object: grass, bare rock, snowy rock.
using PieceFaces = std::array<std::vector<glm::uvec3>, 3>;
const char* const PieceObjects[3] = {"grass", "rock", "rock_snow"};

// The piece whose square holds the point p (x, z); points past the grid go to its edge.
PieceFaces& PieceAt(std::vector<PieceFaces>& pieces, glm::vec2 p)
{
    const float size = 2.0f * GrassRadius / PiecesPerSide;
    const int column = std::clamp(int(std::floor((p.x + GrassRadius) / size)), 0, PiecesPerSide - 1);
    const int row = std::clamp(int(std::floor((p.y + GrassRadius) / size)), 0, PiecesPerSide - 1);
    return pieces[size_t(row * PiecesPerSide + column)];
}

// Keeps the table and the gate's feet free of grass and rocks.
bool Blocked(glm::vec2 p, float margin)
{
    if (std::fabs(p.x) < 2.4f + margin && std::fabs(p.y) < 1.7f + margin)
        return true;
    for (float x : {-5.2f, 5.2f})
        if (glm::length(p - glm::vec2(x, ToriiZ)) < 1.2f + margin)
            return true;
    return false;
}

glm::vec2 RandomSpot(CRandom& random, float inner, float outer, float margin)
{
    for (;;)
    {
        const float r = std::sqrt(random.Range(inner * inner, outer * outer));
        const float a = random.Range(0.0f, 6.2831853f);
        const glm::vec2 p(r * std::cos(a), r * std::sin(a));
        if (!Blocked(p, margin))
            return p;
    }
}

// One tapered, bent blade, both faces, three triangles a side.
void AddBlade(CMeshBuilder& mesh, CRandom& random, glm::vec3 root, std::vector<glm::uvec3>& faces)
{
    const float height = random.Range(0.35f, 0.95f);
    const float width = random.Range(0.035f, 0.06f);
    const float facing = random.Range(0.0f, 6.2831853f);
    const glm::vec3 across(std::cos(facing), 0.0f, std::sin(facing));
    const glm::vec3 lean = glm::vec3(-across.z, 0.0f, across.x) * random.Range(-0.35f, 0.35f) * height;
    const glm::vec3 mid = root + glm::vec3(0.0f, 0.55f * height, 0.0f) + 0.3f * lean;
    const glm::vec3 tip = root + glm::vec3(0.0f, height, 0.0f) + lean;
    const glm::vec3 points[5] = {root - across * width, root + across * width, mid + across * (0.6f * width),
                                 mid - across * (0.6f * width), tip};
    const glm::vec2 uvs[5] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {0.8f, 0.55f}, {0.2f, 0.55f}, {0.5f, 1.0f}};
    const glm::vec3 face = glm::normalize(glm::cross(across, tip - root));
    for (float side : {1.0f, -1.0f})
    {
        const glm::vec3 normal = glm::normalize(side * face + glm::vec3(0.0f, 0.7f, 0.0f));
        uint32_t v[5];
        for (int i = 0; i < 5; ++i)
            v[i] = mesh.AddVertex(points[i], normal, uvs[i]);
        // The triangle order is the same for both faces; AddTriangle turns
        // each to the side its normal points to.
        faces.insert(faces.end(), {{v[0], v[1], v[2]}, {v[0], v[2], v[3]}, {v[3], v[2], v[4]}});
    }
}

// A subdivided icosahedron, radius 1.
void Icosphere(std::vector<glm::vec3>& points, std::vector<glm::uvec3>& faces)
{
    const float t = 1.618034f;
    points = {{-1, t, 0}, {1, t, 0}, {-1, -t, 0}, {1, -t, 0}, {0, -1, t}, {0, 1, t},
              {0, -1, -t}, {0, 1, -t}, {t, 0, -1}, {t, 0, 1}, {-t, 0, -1}, {-t, 0, 1}};
    faces = {{0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
             {11, 10, 2}, {10, 7, 6}, {7, 1, 8},   {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
             {3, 8, 9},  {4, 9, 5},  {2, 4, 11},  {6, 2, 10}, {8, 6, 7},   {9, 8, 1}};
    for (int level = 0; level < 2; ++level)
    {
        std::map<std::pair<uint32_t, uint32_t>, uint32_t> midpoints;
        auto midpoint = [&](uint32_t a, uint32_t b) {
            const auto key = std::make_pair(std::min(a, b), std::max(a, b));
            auto found = midpoints.find(key);
            if (found != midpoints.end())
                return found->second;
            points.push_back(0.5f * (points[a] + points[b]));
            return midpoints[key] = static_cast<uint32_t>(points.size() - 1);
        };
        std::vector<glm::uvec3> finer;
        for (const glm::uvec3& f : faces)
        {
            const uint32_t ab = midpoint(f.x, f.y), bc = midpoint(f.y, f.z), ca = midpoint(f.z, f.x);
            finer.insert(finer.end(), {{f.x, ab, ca}, {f.y, bc, ab}, {f.z, ca, bc}, {ab, bc, ca}});
        }
        faces = finer;
    }
    for (glm::vec3& p : points)
        p = glm::normalize(p);
}

// A lumpy boulder sunk into the ground, snow on its upward faces.
void AddRock(CMeshBuilder& mesh, CRandom& random, const CTerrain& terrain, uint32_t seed,
             std::vector<PieceFaces>& pieces)
{
    std::vector<glm::vec3> points;
    std::vector<glm::uvec3> faces;
    Icosphere(points, faces);
    const float size = random.Range(0.7f, 2.6f);
    const glm::vec2 spot = RandomSpot(random, 9.0f, 46.0f, size + 1.0f);
    const glm::vec3 scale = size * glm::vec3(random.Range(0.9f, 1.4f), random.Range(0.55f, 0.8f), 1.0f);
    const glm::mat4 place = glm::translate(glm::mat4(1.0f), glm::vec3(spot.x, terrain.Height(spot.x, spot.y) -
                                                                                   0.3f * scale.y, spot.y)) *
                            glm::rotate(glm::mat4(1.0f), random.Range(0.0f, 6.2831853f), glm::vec3(0, 1, 0));
    std::vector<glm::vec3> world(points.size());
    for (size_t i = 0; i < points.size(); ++i)
    {
        const glm::vec3& d = points[i];
        const float bump = 1.0f + 0.28f * Fbm(glm::vec2(d.x + d.y * 0.7f, d.z - d.y * 0.4f) * 1.6f, glm::ivec2(0), 3, seed);
        world[i] = glm::vec3(place * glm::vec4(d * bump * scale, 1.0f));
    }
    std::vector<glm::vec3> normals(points.size(), glm::vec3(0.0f));
    for (const glm::uvec3& f : faces)
    {
        const glm::vec3 n = glm::cross(world[f.y] - world[f.x], world[f.z] - world[f.x]);
        normals[f.x] += n, normals[f.y] += n, normals[f.z] += n;
    }
    PieceFaces& piece = PieceAt(pieces, spot);
    const uint32_t first = static_cast<uint32_t>(mesh.VertexCount());
    for (size_t i = 0; i < points.size(); ++i)
    {
        const glm::vec3& p = world[i];
        mesh.AddVertex(p, normals[i], glm::vec2(p.x * 0.45f + p.z * 0.25f, p.y * 0.45f + p.z * 0.2f));
    }
    for (const glm::uvec3& f : faces)
    {
        const glm::vec3 n = glm::normalize(normals[f.x] + normals[f.y] + normals[f.z]);
        piece[n.y > 0.6f ? 2 : 1].push_back(f + glm::uvec3(first));
    }
}
} // namespace

// Tufts of dry grass poking through the snow around the clearing, and a few
// snow-capped boulders.
CMeshBuilder BuildGrass(const CTerrain& terrain)
{
    CMeshBuilder mesh;
    mesh.AddMaterial({"grass", "grass_diffuse.png", glm::vec3(0.1f), 8.0f});
    mesh.AddMaterial({"rock", "rock_diffuse.png", glm::vec3(0.2f), 12.0f});
    mesh.AddMaterial({"rock_snow", "snow_diffuse.png", glm::vec3(0.6f), 48.0f});
    CRandom random(0x6A055u);
    std::vector<PieceFaces> pieces(size_t(PiecesPerSide * PiecesPerSide));
    for (int c = 0; c < ClumpCount; ++c)
    {
        const glm::vec2 centre = RandomSpot(random, 4.0f, GrassRadius, 0.4f);
        for (int b = 0; b < BladesPerClump; ++b)
        {
            const glm::vec2 p = centre + glm::vec2(random.Range(-0.35f, 0.35f), random.Range(-0.35f, 0.35f));
            AddBlade(mesh, random, glm::vec3(p.x, terrain.Height(p.x, p.y) - 0.05f, p.y), PieceAt(pieces, p)[0]);
        }
    }
    for (int r = 0; r < RockCount; ++r)
        AddRock(mesh, random, terrain, 500u + static_cast<uint32_t>(r), pieces);
    // Pieces of one material follow each other, so that they can be drawn together.
    for (size_t object = 0; object < std::size(PieceObjects); ++object)
        for (size_t i = 0; i < pieces.size(); ++i)
        {
            if (pieces[i][object].empty())
                continue;
            const std::string name = PieceObjects[object];
            mesh.BeginObject(name + "_" + std::to_string(i % PiecesPerSide) + "_" + std::to_string(i / PiecesPerSide),
                             name);
            for (const glm::uvec3& f : pieces[i][object])
                mesh.AddTriangle(f.x, f.y, f.z);
        }
    return mesh;
}
