#pragma once

#include <GL/glew.h>

#include <functional>
#include <string>
#include <vector>

#include "scene/BoundingBox.h"
#include "scene/CMaterial.h"
#include "scene/MeshStreams.h"
#include "scene/CVertexBufferObject.h"

struct aiScene;
class CShaderProgram;

// A model file in one vertex array: five separate vertex streams (position,
// texture coordinate, normal, tangent, bitangent) and one index buffer shared
// by its sub-meshes, each drawn with its own material.
class CMesh
{
public:
    using SubMesh = MeshSubset;
    // Picks the sub-meshes a draw covers, by index.
    using EntryFilter = std::function<bool(size_t entry)>;

    CMesh() = default;
    CMesh(CMesh&& other) noexcept;
    CMesh& operator=(CMesh&& other) noexcept;
    CMesh(const CMesh&) = delete;
    CMesh& operator=(const CMesh&) = delete;
    ~CMesh();

    bool Load(const std::string& path);
    // Draws every sub-mesh, or with `drawEntry` only those it picks; `program`
    // (may be null) sets up each material first. Neighbouring sub-meshes of one
    // material (the pieces of a landscape) go in one call.
    void Render(CShaderProgram* program, const EntryFilter& drawEntry = {}) const;
    void SetMaterial(size_t index, const std::string& texturePath);
    // Whether a material's diffuse image has transparent texels, the holes
    // that the alpha test of the shadow and lit passes cuts out.
    bool HasTransparentMaterial() const;
    // Whether a material has a glow map: the lit pass reads glow maps only for
    // the meshes that have one.
    bool HasGlowMaterial() const;
    // Frees the buffers, the vertex array, the sub-meshes and the materials.
    void Clear();

    GLuint vao = 0;
    CVertexBufferObject indexBuffer;
    CVertexBufferObject positionBuffer;
    CVertexBufferObject normalBuffer;
    CVertexBufferObject texCoordBuffer;
    CVertexBufferObject tangentBuffer;
    CVertexBufferObject bitangentBuffer;
    std::vector<SubMesh> subMeshes;
    std::vector<BoundingBox> subMeshBounds; // model-space bounds, one per sub-mesh
    std::vector<CMaterial> materials;

private:
    bool InitFromScene(const aiScene& scene, const std::string& path);
    void InitMaterials(const aiScene& scene, const std::string& path);
    void Upload(const MeshStreams& streams);
    // Draws the picked sub-meshes among [first, end), which share one material.
    void DrawRun(size_t first, size_t end, CShaderProgram* program, const EntryFilter& drawEntry) const;
};
