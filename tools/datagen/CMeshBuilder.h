#pragma once

#include <string>
#include <vector>

#include <glm/glm.hpp>

// One material of a model's .mtl file. Texture names are file names next to
// the model; the renderer finds the normal, specular and glow companions of a
// "_diffuse" map by name, so only the diffuse map is listed.
struct MaterialDef
{
    std::string name;
    std::string diffuseMap; // empty: no texture
    glm::vec3 specular = glm::vec3(0.2f);
    float shininess = 16.0f;
};

// A surface of revolution around the y axis (see AddLathe).
struct LatheDef
{
    std::vector<glm::vec2> profile; // (radius, height), bottom to top
    int sides = 16;
    bool smooth = true;             // round (shared normals) or faceted
    float angleOffset = 0.0f;       // radians
    float uvScale = 1.0f;           // texture repeats per unit length
    bool capBottom = false;
    bool capTop = false;
};

// Builds an indexed triangle mesh grouped into named objects, each with one
// material, and writes it as Wavefront OBJ + MTL with explicit normals (so
// hard edges stay hard when the renderer's importer smooths missing normals).
class CMeshBuilder
{
public:
    void AddMaterial(const MaterialDef& material);
    void BeginObject(const std::string& name, const std::string& material);
    // Applied to everything added afterwards; identity by default.
    void SetTransform(const glm::mat4& transform);

    uint32_t AddVertex(glm::vec3 position, glm::vec3 normal, glm::vec2 uv);
    // Winding is chosen so the face is front-facing on the side its vertex
    // normals point to.
    void AddTriangle(uint32_t a, uint32_t b, uint32_t c);
    // A planar quad, corners in order around its edge, one face normal.
    void AddQuad(const glm::vec3 (&corners)[4], const glm::vec2 (&uvs)[4]);
    void AddBox(glm::vec3 center, glm::vec3 halfSize, float uvScale);
    void AddLathe(const LatheDef& lathe);

    size_t TriangleCount() const;
    size_t VertexCount() const { return positions.size(); }

    // Writes `objPath` and, beside it, the .mtl file of the same stem.
    bool Write(const std::string& objPath) const;

private:
    struct Group
    {
        std::string name;
        std::string material;
        std::vector<uint32_t> indices;
    };

    void AddDisc(float y, float radius, const LatheDef& lathe, bool up);
    void AddLatheBand(glm::vec2 a, glm::vec2 b, const LatheDef& lathe, float vStart);
    bool WriteMtl(const std::string& mtlPath) const;

    std::vector<MaterialDef> materials;
    std::vector<Group> groups;
    std::vector<glm::vec3> positions;
    std::vector<glm::vec3> normals;
    std::vector<glm::vec2> uvs;
    glm::mat4 transform = glm::mat4(1.0f);
    glm::mat3 normalTransform = glm::mat3(1.0f);
};
