// The generated models, read the way the renderer reads them.
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "scene/CMainScene.h"

namespace
{
std::string ModelFile(const std::string& relative)
{
    return std::string(KESTRUNE_BIN_DIR) + "/Resources/models/" + relative;
}

const aiScene* Load(Assimp::Importer& importer, const std::string& relative)
{
    return importer.ReadFile(ModelFile(relative), 0x80004B); // the renderer's import flags
}

glm::vec3 Vertex(const aiMesh* mesh, unsigned v)
{
    return glm::vec3(mesh->mVertices[v].x, mesh->mVertices[v].y, mesh->mVertices[v].z);
}

struct Bounds
{
    glm::vec3 low = glm::vec3(1e30f);
    glm::vec3 high = glm::vec3(-1e30f);
    bool Contains(glm::vec3 p) const { return glm::all(glm::greaterThan(p, low)) && glm::all(glm::lessThan(p, high)); }
};

// Bounds of the meshes of the node called `name` (one OBJ object).
Bounds NodeBounds(const aiScene* scene, const aiNode* node, const std::string& name)
{
    Bounds bounds;
    for (unsigned m = 0; name == node->mName.C_Str() && m < node->mNumMeshes; ++m)
    {
        const aiMesh* mesh = scene->mMeshes[node->mMeshes[m]];
        for (unsigned v = 0; v < mesh->mNumVertices; ++v)
        {
            bounds.low = glm::min(bounds.low, Vertex(mesh, v));
            bounds.high = glm::max(bounds.high, Vertex(mesh, v));
        }
    }
    for (unsigned c = 0; c < node->mNumChildren; ++c)
    {
        const Bounds child = NodeBounds(scene, node->mChildren[c], name);
        bounds.low = glm::min(bounds.low, child.low);
        bounds.high = glm::max(bounds.high, child.high);
    }
    return bounds;
}

// Height of the ground mesh straight below (x, z), from the triangle that covers that point.
std::optional<float> GroundHeight(const aiScene* scene, float x, float z)
{
    for (unsigned m = 0; m < scene->mNumMeshes; ++m)
    {
        const aiMesh* mesh = scene->mMeshes[m];
        for (unsigned f = 0; f < mesh->mNumFaces; ++f)
        {
            const unsigned* idx = mesh->mFaces[f].mIndices;
            const glm::vec3 p[3] = {Vertex(mesh, idx[0]), Vertex(mesh, idx[1]), Vertex(mesh, idx[2])};
            const glm::vec2 a(p[0].x, p[0].z), b(p[1].x, p[1].z), c(p[2].x, p[2].z), q(x, z);
            const float det = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
            if (std::abs(det) < 1e-9f)
                continue;
            const float u = ((q.x - a.x) * (c.y - a.y) - (c.x - a.x) * (q.y - a.y)) / det;
            const float v = ((b.x - a.x) * (q.y - a.y) - (q.x - a.x) * (b.y - a.y)) / det;
            if (u >= -1e-5f && v >= -1e-5f && u + v <= 1.0f + 1e-5f)
                return p[0].y + u * (p[1].y - p[0].y) + v * (p[2].y - p[0].y);
        }
    }
    return std::nullopt;
}

// Where the scene stands its lanterns, and where each kind's foot lies in its model.
const std::vector<glm::vec3> LanternObjects = {
    {111.225f, 3.952f, -4.386f}, {-55.887f, 9.055f, -103.99f},    {-24.827f, 2.93f, 140.025f},
    {-110.706f, 0.058f, -3.792f}, {-198.038f, 11.519f, 188.917f}, {-184.297f, 1.852f, 48.609f}};
const std::vector<glm::vec3> Lantern2Objects = {{-11.059f, 2.655f, 93.709f}, {-16.16f, 9.71f, -146.846f}};
const glm::vec3 LanternFootOffset(1.37f, 0.0f, -23.11f);
const glm::vec3 Lantern2FootOffset(14.46f, 0.0f, -4.00f);
} // namespace

TEST(DatasetModelsTest, EveryModelLoadsWithItsMaterialsAndMaps)
{
    struct MaterialCase
    {
        const char* model;
        const char* material;
        const char* diffuse; // none for the sprite quad, whose texture the sky sets
        std::vector<std::string> companions;
    };
    const MaterialCase cases[] = {
        {"scene/snow_landscape.obj", "snow", "snow_diffuse.png", {"_normal", "_specular"}},
        {"scene/japanese_table.obj", "table_wood", "wood_diffuse.png", {"_normal", "_specular"}},
        {"scene/torii.obj", "torii_red", "torii_red_diffuse.png", {"_normal", "_specular"}},
        {"scene/torii.obj", "torii_black", "torii_black_diffuse.png", {"_specular"}},
        {"scene/lantern.obj", "lantern_stone", "stone_diffuse.png", {"_normal", "_specular"}},
        {"scene/lantern.obj", "lantern_window", "window_diffuse.png", {"_normal", "_glow"}},
        {"scene/lantern2.obj", "lantern_stone", "stone_diffuse.png", {"_normal", "_specular"}},
        {"scene/lantern2.obj", "candle", "candle_diffuse.png", {"_glow"}},
        {"scene/grass.obj", "grass", "grass_diffuse.png", {}},
        {"scene/grass.obj", "rock", "rock_diffuse.png", {"_normal", "_specular"}},
        {"scene/grass.obj", "rock_snow", "snow_diffuse.png", {"_normal", "_specular"}},
        {"sphere/sphere.obj", "marker", "sphere_diffuse.png", {}},
        {"quad/quad.obj", "sprite", nullptr, {}},
    };
    for (const MaterialCase& c : cases)
    {
        SCOPED_TRACE(std::string(c.model) + " " + c.material);
        Assimp::Importer importer;
        const aiScene* scene = Load(importer, c.model);
        ASSERT_NE(scene, nullptr) << importer.GetErrorString();
        ASSERT_GT(scene->mNumMeshes, 0u);
        for (unsigned m = 0; m < scene->mNumMeshes; ++m)
            EXPECT_TRUE(scene->mMeshes[m]->HasTextureCoords(0) && scene->mMeshes[m]->HasTangentsAndBitangents());

        aiMaterial** end = scene->mMaterials + scene->mNumMaterials;
        aiMaterial** material = std::find_if(scene->mMaterials, end, [&](const aiMaterial* m) {
            return std::string(m->GetName().C_Str()) == c.material;
        });
        ASSERT_NE(material, end);
        aiString diffuse;
        const bool hasDiffuse = (*material)->GetTexture(aiTextureType_DIFFUSE, 0, &diffuse) == aiReturn_SUCCESS;
        ASSERT_EQ(hasDiffuse, c.diffuse != nullptr);
        if (!hasDiffuse)
            continue;
        EXPECT_STREQ(diffuse.C_Str(), c.diffuse);
        const std::filesystem::path folder = std::filesystem::path(ModelFile(c.model)).parent_path();
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / c.diffuse));
        for (const std::string& suffix : c.companions)
        {
            std::string companion = c.diffuse;
            companion.replace(companion.find("_diffuse"), 8, suffix);
            EXPECT_TRUE(std::filesystem::is_regular_file(folder / companion)) << companion;
        }
    }
}

TEST(DatasetModelsTest, LandscapeCarriesEveryLanternFootFlatAtItsHeight)
{
    Assimp::Importer importer;
    const aiScene* scene = Load(importer, "scene/snow_landscape.obj");
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    std::vector<std::pair<glm::vec3, glm::vec3>> feet = {{glm::vec3(0.0f), glm::vec3(0.0f)}}; // table, gate, grass
    for (const glm::vec3& object : LanternObjects)
        feet.push_back({object, LanternFootOffset});
    for (const glm::vec3& object : Lantern2Objects)
        feet.push_back({object, Lantern2FootOffset});
    for (const auto& [object, offset] : feet)
        for (glm::vec2 around : {glm::vec2(0, 0), glm::vec2(1.5f, 0), glm::vec2(-1.5f, 0), glm::vec2(0, 1.5f),
                                 glm::vec2(0, -1.5f)})
        {
            const float x = object.x + offset.x + around.x, z = object.z + offset.z + around.y;
            const std::optional<float> height = GroundHeight(scene, x, z);
            ASSERT_TRUE(height.has_value()) << x << ", " << z;
            EXPECT_NEAR(*height, object.y, 0.05f) << x << ", " << z;
        }
}

TEST(DatasetModelsTest, LandscapeIsCutIntoWatertightPiecesThatCoverTheTerrain)
{
    Assimp::Importer importer;
    const aiScene* scene = Load(importer, "scene/snow_landscape.obj");
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    ASSERT_GE(scene->mNumMeshes, 16u);

    // Each edge, by its two end positions, with the triangles that use it; and
    // the normal and texture coordinate found at each position.
    using Position = std::array<float, 3>;
    std::map<std::pair<Position, Position>, int> edges;
    std::map<Position, std::pair<glm::vec3, glm::vec3>> attributes;
    Bounds all;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m)
    {
        const aiMesh* mesh = scene->mMeshes[m];
        Bounds piece;
        for (unsigned v = 0; v < mesh->mNumVertices; ++v)
        {
            const glm::vec3 p = Vertex(mesh, v);
            piece.low = glm::min(piece.low, p);
            piece.high = glm::max(piece.high, p);
            const std::pair<glm::vec3, glm::vec3> shading(
                glm::vec3(mesh->mNormals[v].x, mesh->mNormals[v].y, mesh->mNormals[v].z),
                glm::vec3(mesh->mTextureCoords[0][v].x, mesh->mTextureCoords[0][v].y, 0.0f));
            const auto [found, added] = attributes.emplace(Position{p.x, p.y, p.z}, shading);
            EXPECT_TRUE(added || found->second == shading) << "seam at " << p.x << ", " << p.z;
        }
        EXPECT_LT(std::min(piece.high.x - piece.low.x, piece.high.z - piece.low.z), 640.0f) << "piece " << m;
        all.low = glm::min(all.low, piece.low);
        all.high = glm::max(all.high, piece.high);
        for (unsigned f = 0; f < mesh->mNumFaces; ++f)
            for (unsigned corner = 0; corner < 3; ++corner)
            {
                const glm::vec3 a = Vertex(mesh, mesh->mFaces[f].mIndices[corner]);
                const glm::vec3 b = Vertex(mesh, mesh->mFaces[f].mIndices[(corner + 1) % 3]);
                const Position pa{a.x, a.y, a.z}, pb{b.x, b.y, b.z};
                ++edges[std::minmax(pa, pb)];
            }
    }
    EXPECT_TRUE(all.low.x <= -640.0f && all.low.z <= -640.0f && all.high.x >= 640.0f && all.high.z >= 640.0f);
    EXPECT_GT(all.high.y, 40.0f); // hills rise towards the horizon

    // Closed: every edge inside the terrain's outline joins two triangles, across pieces too.
    const auto alongOutline = [](const Position& a, const Position& b) {
        return (std::abs(a[0]) == 640.0f && a[0] == b[0]) || (std::abs(a[2]) == 640.0f && a[2] == b[2]);
    };
    size_t open = 0;
    for (const auto& [edge, triangles] : edges)
        open += triangles != (alongOutline(edge.first, edge.second) ? 1 : 2) ? 1 : 0;
    EXPECT_EQ(open, 0u);
}

TEST(DatasetModelsTest, EveryLanternLightSitsInsideItsLanternsChamber)
{
    // The scene's first two lights burn in the second kind of lantern, the other six in the first.
    for (const auto& [model, objects, first, last] :
         {std::make_tuple("scene/lantern2.obj", Lantern2Objects, 0, 2), std::make_tuple("scene/lantern.obj", LanternObjects, 2, 8)})
    {
        Assimp::Importer importer;
        const aiScene* scene = Load(importer, model);
        ASSERT_NE(scene, nullptr) << importer.GetErrorString();
        const Bounds chamber = NodeBounds(scene, scene->mRootNode, "chamber");
        ASSERT_LT(chamber.low.x, chamber.high.x) << model;
        for (int i = first; i < last; ++i)
        {
            const glm::vec3 light = LanternLightPositions[size_t(i)];
            EXPECT_TRUE(std::any_of(objects.begin(), objects.end(),
                                    [&](const glm::vec3& object) { return chamber.Contains(light - object); }))
                << model << ": light " << i;
        }
    }
}

TEST(DatasetModelsTest, WholeSceneStaysWithinTheTriangleBudget)
{
    // model -> how many objects of the scene draw it
    const std::pair<const char*, unsigned> drawn[] = {
        {"scene/snow_landscape.obj", 1}, {"scene/japanese_table.obj", 1}, {"scene/torii.obj", 1},
        {"scene/grass.obj", 1},          {"scene/lantern.obj", 6},        {"scene/lantern2.obj", 2},
        {"sphere/sphere.obj", 1}};
    size_t total = 0;
    for (const auto& [path, count] : drawn)
    {
        Assimp::Importer importer;
        const aiScene* scene = Load(importer, path);
        ASSERT_NE(scene, nullptr) << path;
        for (unsigned m = 0; m < scene->mNumMeshes; ++m)
            total += size_t(scene->mMeshes[m]->mNumFaces) * count;
    }
    EXPECT_LT(total, 150000u);
    EXPECT_GT(total, 20000u);
}
