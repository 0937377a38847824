#include "scene/CMesh.h"

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/CRenderSettings.h"
#include "core/ResourcePath.h"
#include "scene/MeshPaths.h"
#include "scene/ModelImport.h"
#include "shaders/CShaderProgram.h"
#include "textures/CTexture.h"

namespace
{
template <typename T>
void UploadStream(CVertexBufferObject& buffer, const std::vector<T>& values, GLenum target)
{
    buffer.Bind(target);
    buffer.AddData(values.data(), values.size() * sizeof(T));
    buffer.UploadToGPU(GL_STATIC_DRAW);
}

void UploadAttribute(CVertexBufferObject& buffer, const std::vector<float>& values, GLuint attribute, GLint components)
{
    UploadStream(buffer, values, GL_ARRAY_BUFFER);
    glEnableVertexAttribArray(attribute);
    glVertexAttribPointer(attribute, components, GL_FLOAT, GL_FALSE, 0, nullptr);
}
}

CMesh::CMesh(CMesh&& other) noexcept
    : vao(std::exchange(other.vao, 0)), indexBuffer(std::exchange(other.indexBuffer, {})),
      positionBuffer(std::exchange(other.positionBuffer, {})), normalBuffer(std::exchange(other.normalBuffer, {})),
      texCoordBuffer(std::exchange(other.texCoordBuffer, {})), tangentBuffer(std::exchange(other.tangentBuffer, {})),
      bitangentBuffer(std::exchange(other.bitangentBuffer, {})), subMeshes(std::move(other.subMeshes)),
      subMeshBounds(std::move(other.subMeshBounds)), materials(std::move(other.materials))
{
}

CMesh& CMesh::operator=(CMesh&& other) noexcept
{
    if (this != &other)
    {
        Clear();
        vao = std::exchange(other.vao, 0);
        indexBuffer = std::exchange(other.indexBuffer, {});
        positionBuffer = std::exchange(other.positionBuffer, {});
        normalBuffer = std::exchange(other.normalBuffer, {});
        texCoordBuffer = std::exchange(other.texCoordBuffer, {});
        tangentBuffer = std::exchange(other.tangentBuffer, {});
        bitangentBuffer = std::exchange(other.bitangentBuffer, {});
        subMeshes = std::move(other.subMeshes);
        subMeshBounds = std::move(other.subMeshBounds);
        materials = std::move(other.materials);
    }
    return *this;
}

CMesh::~CMesh()
{
    Clear();
}

void CMesh::Clear()
{
    for (CVertexBufferObject* buffer :
         {&indexBuffer, &positionBuffer, &normalBuffer, &texCoordBuffer, &tangentBuffer, &bitangentBuffer})
        buffer->Delete();
    if (vao != 0)
    {
        glDeleteVertexArrays(1, &vao);
        vao = 0;
    }
    subMeshes.clear();
    subMeshBounds.clear();
    materials.clear();
}

bool CMesh::Load(const std::string& path)
{
    Clear();
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    for (CVertexBufferObject* buffer :
         {&indexBuffer, &positionBuffer, &normalBuffer, &texCoordBuffer, &tangentBuffer, &bitangentBuffer})
        buffer->Create();

    Assimp::Importer importer;
    std::string error;
    const aiScene* scene = ImportModel(importer, ResolveResourcePath(path), error);
    bool result = false;
    if (!scene)
        std::printf("Error parsing '%s': '%s'\n", path.c_str(), error.c_str());
    else
        result = InitFromScene(*scene, path);
    glBindVertexArray(0);
    return result;
}

bool CMesh::InitFromScene(const aiScene& scene, const std::string& path)
{
    MeshStreams streams;
    std::string error;
    if (!BuildMeshStreams(scene, streams, error))
    {
        std::printf("Error parsing '%s': '%s'\n", path.c_str(), error.c_str());
        return false;
    }
    subMeshes = streams.subsets;
    subMeshBounds = SubsetBounds(streams);
    materials.resize(scene.mNumMaterials);
    InitMaterials(scene, path);
    Upload(streams);
    return glGetError() == GL_NO_ERROR;
}

void CMesh::InitMaterials(const aiScene& scene, const std::string& path)
{
    const std::string directory = ModelDirectory(path);
    for (unsigned i = 0; i < scene.mNumMaterials; ++i)
    {
        const aiMaterial* material = scene.mMaterials[i];
        if (aiGetMaterialTextureCount(material, aiTextureType_DIFFUSE) == 0)
            continue;
        aiString name;
        if (aiGetMaterialTexture(material, aiTextureType_DIFFUSE, 0, &name) != aiReturn_SUCCESS)
            continue;
        // A missing diffuse map leaves the material empty; the sub-mesh still draws.
        materials[i].Load(MaterialTexturePath(directory, name.C_Str()));
    }
}

void CMesh::Upload(const MeshStreams& streams)
{
    UploadAttribute(positionBuffer, streams.positions, 0, 3);
    UploadAttribute(texCoordBuffer, streams.texCoords, 1, 2);
    UploadAttribute(normalBuffer, streams.normals, 2, 3);
    if (!streams.tangents.empty() && !streams.bitangents.empty())
    {
        UploadAttribute(tangentBuffer, streams.tangents, 3, 3);
        UploadAttribute(bitangentBuffer, streams.bitangents, 4, 3);
    }
    UploadStream(indexBuffer, streams.indices, GL_ELEMENT_ARRAY_BUFFER);
}

void CMesh::Render(CShaderProgram* program, const EntryFilter& drawEntry) const
{
    glBindVertexArray(vao);
    // Neighbouring sub-meshes with one material (the pieces of a landscape)
    // are drawn by one call, with the material set up once.
    for (size_t first = 0; first < subMeshes.size();)
    {
        size_t end = first + 1;
        while (end < subMeshes.size() && subMeshes[end].materialIndex == subMeshes[first].materialIndex)
            ++end;
        DrawRun(first, end, program, drawEntry);
        first = end;
    }
    glBindVertexArray(0);
}

void CMesh::DrawRun(size_t first, size_t end, CShaderProgram* program, const EntryFilter& drawEntry) const
{
    std::vector<GLsizei> counts;
    std::vector<const void*> offsets;
    std::vector<GLint> baseVertices;
    int& vertexCount = CRenderSettings::GetInstance().vertexCount;
    for (size_t i = first; i < end; ++i)
    {
        if (drawEntry && !drawEntry(i))
            continue;
        const SubMesh& subMesh = subMeshes[i];
        vertexCount += int(subMesh.numIndices);
        counts.push_back(GLsizei(subMesh.numIndices));
        offsets.push_back(reinterpret_cast<const void*>(size_t(subMesh.baseIndex) * sizeof(unsigned)));
        baseVertices.push_back(GLint(subMesh.baseVertex));
    }
    if (counts.empty())
        return;
    const unsigned materialIndex = subMeshes[first].materialIndex;
    const CMaterial* material = materialIndex < materials.size() ? &materials[materialIndex] : nullptr;
    if (program)
        program->SetupMaterial(material);
    if (material)
        material->Bind();
    glMultiDrawElementsBaseVertex(GL_TRIANGLES, counts.data(), GL_UNSIGNED_INT, offsets.data(),
                                  GLsizei(counts.size()), baseVertices.data());
    if (material)
        material->Unbind();
}

bool CMesh::HasTransparentMaterial() const
{
    for (const CMaterial& material : materials)
    {
        const CTexture* diffuse = material.textures[CMaterial::Diffuse];
        if (diffuse != nullptr && diffuse->hasTransparency)
            return true;
    }
    return false;
}

bool CMesh::HasGlowMaterial() const
{
    return std::any_of(materials.begin(), materials.end(),
                       [](const CMaterial& material) { return material.textures[CMaterial::Glow] != nullptr; });
}

void CMesh::SetMaterial(size_t index, const std::string& texturePath)
{
    if (index < materials.size())
        materials[index].Load(texturePath);
    else
        std::printf("[Mesh] Failed to set material, index out of bounds");
}
