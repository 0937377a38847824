// The generated models, read the way the renderer reads them.
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <glm/glm.hpp>

namespace
{
const unsigned MeshLoadFlags = 0x80004B;

std::string ResourceFile(const std::string& relative)
{
    return std::string(KESTRUNE_BIN_DIR) + "/Resources/" + relative;
}

struct ModelExpectation
{
    std::string path;
    // material name -> diffuse map and the companions that must exist beside it
    std::map<std::string, std::pair<std::string, std::vector<std::string>>> materials;
};

const std::vector<ModelExpectation>& Models()
{
    static const std::vector<ModelExpectation> models = {
        {"models/scene/snow_landscape.obj", {{"snow", {"snow_diffuse.png", {"_normal", "_specular"}}}}},
        {"models/scene/japanese_table.obj", {{"table_wood", {"wood_diffuse.png", {"_normal", "_specular"}}}}},
        {"models/scene/torii.obj",
         {{"torii_red", {"torii_red_diffuse.png", {"_normal", "_specular"}}},
          {"torii_black", {"torii_black_diffuse.png", {"_specular"}}}}},
        {"models/scene/lantern.obj",
         {{"lantern_stone", {"stone_diffuse.png", {"_normal", "_specular"}}},
          {"lantern_window", {"window_diffuse.png", {"_normal", "_glow"}}}}},
        {"models/scene/lantern2.obj",
         {{"lantern_stone", {"stone_diffuse.png", {"_normal", "_specular"}}},
          {"candle", {"candle_diffuse.png", {"_glow"}}}}},
        {"models/scene/grass.obj",
         {{"grass", {"grass_diffuse.png", {}}},
          {"rock", {"rock_diffuse.png", {"_normal", "_specular"}}},
          {"rock_snow", {"snow_diffuse.png", {"_normal", "_specular"}}}}},
        {"models/sphere/sphere.obj", {{"marker", {"sphere_diffuse.png", {}}}}},
    };
    return models;
}

const aiScene* Load(Assimp::Importer& importer, const std::string& relative)
{
    return importer.ReadFile(ResourceFile(relative), MeshLoadFlags);
}

std::optional<std::string> DiffuseMap(const aiMaterial* material)
{
    if (aiGetMaterialTextureCount(material, aiTextureType_DIFFUSE) == 0)
        return std::nullopt;
    aiString name;
    if (aiGetMaterialTexture(material, aiTextureType_DIFFUSE, 0, &name) != aiReturn_SUCCESS)
        return std::nullopt;
    return std::string(name.C_Str());
}

const aiMaterial* FindMaterial(const aiScene* scene, const std::string& name)
{
    for (unsigned i = 0; i < scene->mNumMaterials; ++i)
        if (name == scene->mMaterials[i]->GetName().C_Str())
            return scene->mMaterials[i];
    return nullptr;
}

struct Bounds
{
    glm::vec3 low = glm::vec3(1e30f);
    glm::vec3 high = glm::vec3(-1e30f);
    bool Contains(glm::vec3 p) const
    {
        return glm::all(glm::greaterThan(p, low)) && glm::all(glm::lessThan(p, high));
    }
};

// Bounds of the meshes of the node called `name` (one OBJ object).
Bounds NodeBounds(const aiScene* scene, const aiNode* node, const std::string& name)
{
    Bounds bounds;
    if (name == node->mName.C_Str())
    {
        for (unsigned m = 0; m < node->mNumMeshes; ++m)
        {
            const aiMesh* mesh = scene->mMeshes[node->mMeshes[m]];
            for (unsigned v = 0; v < mesh->mNumVertices; ++v)
            {
                const glm::vec3 p(mesh->mVertices[v].x, mesh->mVertices[v].y, mesh->mVertices[v].z);
                bounds.low = glm::min(bounds.low, p);
                bounds.high = glm::max(bounds.high, p);
            }
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

// Height of the ground mesh straight below (x, z), from the triangle that
// covers that point.
std::optional<float> GroundHeight(const aiScene* scene, float x, float z)
{
    for (unsigned m = 0; m < scene->mNumMeshes; ++m)
    {
        const aiMesh* mesh = scene->mMeshes[m];
        for (unsigned f = 0; f < mesh->mNumFaces; ++f)
        {
            const unsigned* idx = mesh->mFaces[f].mIndices;
            glm::vec3 p[3];
            for (int k = 0; k < 3; ++k)
                p[k] = glm::vec3(mesh->mVertices[idx[k]].x, mesh->mVertices[idx[k]].y, mesh->mVertices[idx[k]].z);
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

// Where the scene puts the lanterns and their lights.
const glm::vec3 LanternFootOffset(1.37f, 0.0f, -23.11f);
const glm::vec3 Lantern2FootOffset(14.46f, 0.0f, -4.00f);
const std::vector<glm::vec3> LanternObjects = {
    {111.225f, 3.952f, -4.386f}, {-55.887f, 9.055f, -103.99f},    {-24.827f, 2.93f, 140.025f},
    {-110.706f, 0.058f, -3.792f}, {-198.038f, 11.519f, 188.917f}, {-184.297f, 1.852f, 48.609f}};
const std::vector<glm::vec3> Lantern2Objects = {{-11.059f, 2.655f, 93.709f}, {-16.16f, 9.71f, -146.846f}};
const std::vector<glm::vec3> Lantern2Lights = {{3.338f, 5.168f, 89.789f}, {-1.641f, 12.195f, -150.932f}};
const std::vector<glm::vec3> LanternLights = {{112.623f, 18.218f, -27.561f}, {-23.632f, 17.017f, 116.737f},
                                              {-196.675f, 25.687f, 165.983f}, {-182.824f, 15.874f, 25.63f},
                                              {-109.325f, 14.237f, -26.94f}, {-54.483f, 23.233f, -127.13f}};
} // namespace

TEST(DatasetModels, EveryModelLoadsWithItsMaterialsAndMaps)
{
    for (const ModelExpectation& model : Models())
    {
        SCOPED_TRACE(model.path);
        Assimp::Importer importer;
        const aiScene* scene = Load(importer, model.path);
        ASSERT_NE(scene, nullptr) << importer.GetErrorString();
        EXPECT_GT(scene->mNumMeshes, 0u);
        const std::filesystem::path folder = std::filesystem::path(ResourceFile(model.path)).parent_path();
        for (const auto& [name, maps] : model.materials)
        {
            SCOPED_TRACE(name);
            const aiMaterial* material = FindMaterial(scene, name);
            ASSERT_NE(material, nullptr);
            const std::optional<std::string> diffuse = DiffuseMap(material);
            ASSERT_TRUE(diffuse.has_value());
            EXPECT_EQ(*diffuse, maps.first);
            EXPECT_TRUE(std::filesystem::is_regular_file(folder / *diffuse));
            for (const std::string& suffix : maps.second)
            {
                std::string companion = *diffuse;
                companion.replace(companion.find("_diffuse"), 8, suffix);
                EXPECT_TRUE(std::filesystem::is_regular_file(folder / companion)) << companion;
            }
        }
        for (unsigned m = 0; m < scene->mNumMeshes; ++m)
        {
            EXPECT_TRUE(scene->mMeshes[m]->HasTextureCoords(0));
            EXPECT_TRUE(scene->mMeshes[m]->HasTangentsAndBitangents());
        }
    }
}

TEST(DatasetModels, SpriteQuadHasOneReplaceableMaterialAndTextureCoordinates)
{
    Assimp::Importer importer;
    const aiScene* scene = Load(importer, "models/quad/quad.obj");
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    ASSERT_GE(scene->mNumMaterials, 1u);
    ASSERT_EQ(scene->mNumMeshes, 1u);
    const aiMesh* quad = scene->mMeshes[0];
    EXPECT_EQ(quad->mNumFaces, 2u);
    ASSERT_TRUE(quad->HasTextureCoords(0));
    Bounds bounds = NodeBounds(scene, scene->mRootNode, "quad");
    EXPECT_FLOAT_EQ(bounds.low.x, -1.0f);
    EXPECT_FLOAT_EQ(bounds.high.y, 1.0f);
    EXPECT_FLOAT_EQ(bounds.high.z - bounds.low.z, 0.0f);
}

TEST(DatasetModels, LandscapeCarriesEveryLanternFootFlatAtItsHeight)
{
    Assimp::Importer importer;
    const aiScene* scene = Load(importer, "models/scene/snow_landscape.obj");
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    std::vector<std::pair<glm::vec3, glm::vec3>> feet;
    for (const glm::vec3& object : LanternObjects)
        feet.push_back({object, LanternFootOffset});
    for (const glm::vec3& object : Lantern2Objects)
        feet.push_back({object, Lantern2FootOffset});
    feet.push_back({glm::vec3(0.0f), glm::vec3(0.0f)}); // table, gate and grass stand at the origin
    for (const auto& [object, offset] : feet)
    {
        for (glm::vec2 around : {glm::vec2(0, 0), glm::vec2(1.5f, 0), glm::vec2(-1.5f, 0), glm::vec2(0, 1.5f),
                                 glm::vec2(0, -1.5f)})
        {
            const float x = object.x + offset.x + around.x;
            const float z = object.z + offset.z + around.y;
            SCOPED_TRACE(testing::Message() << "at " << x << ", " << z);
            const std::optional<float> height = GroundHeight(scene, x, z);
            ASSERT_TRUE(height.has_value());
            EXPECT_NEAR(*height, object.y, 0.05f);
        }
    }
    const Bounds bounds = NodeBounds(scene, scene->mRootNode, "ground");
    EXPECT_LE(bounds.low.x, -600.0f);
    EXPECT_GE(bounds.high.x, 600.0f);
    EXPECT_LE(bounds.low.z, -600.0f);
    EXPECT_GE(bounds.high.z, 600.0f);
    EXPECT_GT(bounds.high.y, 40.0f); // hills rise towards the horizon
}

TEST(DatasetModels, EveryLanternLightSitsInsideItsLanternsChamber)
{
    struct Case
    {
        const char* model;
        const std::vector<glm::vec3>& objects;
        const std::vector<glm::vec3>& lights;
    };
    for (const Case& c : {Case{"models/scene/lantern.obj", LanternObjects, LanternLights},
                          Case{"models/scene/lantern2.obj", Lantern2Objects, Lantern2Lights}})
    {
        SCOPED_TRACE(c.model);
        Assimp::Importer importer;
        const aiScene* scene = Load(importer, c.model);
        ASSERT_NE(scene, nullptr) << importer.GetErrorString();
        const Bounds chamber = NodeBounds(scene, scene->mRootNode, "chamber");
        ASSERT_LT(chamber.low.x, chamber.high.x);
        for (const glm::vec3& light : c.lights)
        {
            const bool held = std::any_of(c.objects.begin(), c.objects.end(),
                                          [&](const glm::vec3& object) { return chamber.Contains(light - object); });
            EXPECT_TRUE(held) << "light at " << light.x << ", " << light.y << ", " << light.z;
        }
    }
}

TEST(DatasetModels, WholeSceneStaysWithinTheTriangleBudget)
{
    // model -> how many objects of the scene draw it
    const std::vector<std::pair<std::string, unsigned>> drawn = {
        {"models/scene/snow_landscape.obj", 1}, {"models/scene/japanese_table.obj", 1},
        {"models/scene/torii.obj", 1},          {"models/scene/grass.obj", 1},
        {"models/scene/lantern.obj", 6},        {"models/scene/lantern2.obj", 2},
        {"models/sphere/sphere.obj", 1}};
    size_t total = 0;
    for (const auto& [path, count] : drawn)
    {
        Assimp::Importer importer;
        const aiScene* scene = Load(importer, path);
        ASSERT_NE(scene, nullptr) << path;
        for (unsigned m = 0; m < scene->mNumMeshes; ++m)
            total += static_cast<size_t>(scene->mMeshes[m]->mNumFaces) * count;
    }
    EXPECT_LT(total, 150000u);
    EXPECT_GT(total, 20000u);
}
