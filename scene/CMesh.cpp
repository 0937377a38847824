#include "scene/CMesh.h"

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <cstdio>
#include <utility>

#include "core/CRenderSettings.h"
#include "core/ResourcePath.h"
#include "scene/MeshPaths.h"
#include "shaders/CShaderProgram.h"

namespace
{
const unsigned importFlags = aiProcess_CalcTangentSpace | aiProcess_JoinIdenticalVertices | aiProcess_Triangulate |
                             aiProcess_GenSmoothNormals | aiProcess_FlipUVs;

void AppendVector(std::vector<float>& stream, const aiVector3D& v)
{
    stream.insert(stream.end(), {v.x, v.y, v.z});
}

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
      materials(std::move(other.materials))
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
    const aiScene* scene = importer.ReadFile(ResolveResourcePath(path), importFlags);
    bool result = false;
    if (!scene)
        std::printf("Error parsing '%s': '%s'\n", path.c_str(), importer.GetErrorString());
    else if (scene->mNumMeshes == 0 || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE))
        std::printf("Error parsing '%s': '%s'\n", path.c_str(), "the file holds no complete mesh");
    else
        result = InitFromScene(*scene, path);
    glBindVertexArray(0);
    return result;
}

bool CMesh::InitFromScene(const aiScene& scene, const std::string& path)
{
    subMeshes.resize(scene.mNumMeshes);
    materials.resize(scene.mNumMaterials);

    unsigned numVertices = 0;
    unsigned numIndices = 0;
    bool anyTangents = false;
    for (unsigned i = 0; i < scene.mNumMeshes; ++i)
    {
        const aiMesh& mesh = *scene.mMeshes[i];
        subMeshes[i] = {mesh.mNumFaces * 3, numVertices, numIndices, mesh.mMaterialIndex};
        numVertices += mesh.mNumVertices;
        numIndices += subMeshes[i].numIndices;
        anyTangents = anyTangents || mesh.HasTangentsAndBitangents();
    }

    Streams streams;
    streams.positions.reserve(numVertices * 3);
    streams.texCoords.reserve(numVertices * 2);
    streams.normals.reserve(numVertices * 3);
    streams.indices.reserve(numIndices);
    for (unsigned i = 0; i < scene.mNumMeshes; ++i)
        InitMesh(*scene.mMeshes[i], anyTangents, streams);

    InitMaterials(scene, path);
    Upload(streams);
    return glGetError() == GL_NO_ERROR;
}

void CMesh::InitMesh(const aiMesh& mesh, bool withTangents, Streams& streams)
{
    const aiVector3D zero(0.0f, 0.0f, 0.0f);
    const bool hasTexCoords = mesh.HasTextureCoords(0) && mesh.mNumVertices > 0;
    const bool hasTangents = mesh.HasTangentsAndBitangents();
    for (unsigned i = 0; i < mesh.mNumVertices; ++i)
    {
        AppendVector(streams.positions, mesh.mVertices[i]);
        AppendVector(streams.normals, mesh.HasNormals() ? mesh.mNormals[i] : zero);
        const aiVector3D uv = hasTexCoords ? mesh.mTextureCoords[0][i] : zero;
        // v is negated on top of the importer's flip.
        streams.texCoords.insert(streams.texCoords.end(), {uv.x, -uv.y});
        // Sub-meshes without tangents get zero vectors so the streams stay aligned.
        if (withTangents)
        {
            AppendVector(streams.tangents, hasTangents ? mesh.mTangents[i] : zero);
            AppendVector(streams.bitangents, hasTangents ? mesh.mBitangents[i] : zero);
        }
    }
    for (unsigned i = 0; i < mesh.mNumFaces; ++i)
    {
        const aiFace& face = mesh.mFaces[i];
        for (unsigned corner = 0; corner < 3; ++corner)
            streams.indices.push_back(corner < face.mNumIndices ? face.mIndices[corner] : 0);
    }
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

void CMesh::Upload(const Streams& streams)
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

void CMesh::Render(CShaderProgram* program) const
{
    glBindVertexArray(vao);
    int& vertexCount = CRenderSettings::GetInstance().vertexCount;
    for (const SubMesh& subMesh : subMeshes)
    {
        const CMaterial* material =
            subMesh.materialIndex < materials.size() ? &materials[subMesh.materialIndex] : nullptr;
        if (program)
            program->SetupMaterial(material);
        if (material)
            material->Bind();
        glDrawElementsBaseVertex(GL_TRIANGLES, GLsizei(subMesh.numIndices), GL_UNSIGNED_INT,
                                 reinterpret_cast<const void*>(size_t(subMesh.baseIndex) * sizeof(unsigned)),
                                 GLint(subMesh.baseVertex));
        if (material)
            material->Unbind();
        vertexCount += int(subMesh.numIndices);
    }
    glBindVertexArray(0);
}

void CMesh::SetMaterial(size_t index, const std::string& texturePath)
{
    if (index < materials.size())
        materials[index].Load(texturePath);
    else
        std::printf("[Mesh] Failed to set material, index out of bounds");
}
