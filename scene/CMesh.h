#pragma once

#include <GL/glew.h>

#include <string>
#include <vector>

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

    CMesh() = default;
    CMesh(CMesh&& other) noexcept;
    CMesh& operator=(CMesh&& other) noexcept;
    CMesh(const CMesh&) = delete;
    CMesh& operator=(const CMesh&) = delete;
    ~CMesh();

    bool Load(const std::string& path);
    // Draws every sub-mesh; `program` (may be null) sets up each material first.
    void Render(CShaderProgram* program) const;
    void SetMaterial(size_t index, const std::string& texturePath);
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
    std::vector<CMaterial> materials;

private:
    bool InitFromScene(const aiScene& scene, const std::string& path);
    void InitMaterials(const aiScene& scene, const std::string& path);
    void Upload(const MeshStreams& streams);
};
