#include "scene/MeshStreams.h"

#include <assimp/scene.h>

#include <cstdint>

#include "core/FormatString.h"

namespace
{
// Far beyond any model of the scene, and small enough that every byte offset
// into a stream fits a GLsizei.
const uint64_t kMaxElements = uint64_t(1) << 26;

void AppendVector(std::vector<float>& stream, const aiVector3D& v)
{
    stream.insert(stream.end(), {v.x, v.y, v.z});
}

void AppendVertices(const aiMesh& mesh, bool withTangents, MeshStreams& streams)
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
}

// Points and lines left by triangulation are padded with vertex 0.
bool AppendFaces(const aiMesh& mesh, MeshStreams& streams)
{
    for (unsigned i = 0; i < mesh.mNumFaces; ++i)
    {
        const aiFace& face = mesh.mFaces[i];
        for (unsigned corner = 0; corner < 3; ++corner)
        {
            const unsigned index = corner < face.mNumIndices ? face.mIndices[corner] : 0;
            if (index >= mesh.mNumVertices && mesh.mNumVertices > 0)
                return false;
            streams.indices.push_back(index);
        }
    }
    return true;
}

// Sizes the subsets; false when the totals don't fit.
bool PlanSubsets(const aiScene& scene, MeshStreams& streams, bool& anyTangents)
{
    uint64_t numVertices = 0;
    uint64_t numIndices = 0;
    streams.subsets.resize(scene.mNumMeshes);
    for (unsigned i = 0; i < scene.mNumMeshes; ++i)
    {
        const aiMesh& mesh = *scene.mMeshes[i];
        streams.subsets[i] = {mesh.mNumFaces * 3, unsigned(numVertices), unsigned(numIndices), mesh.mMaterialIndex};
        numVertices += mesh.mNumVertices;
        numIndices += uint64_t(mesh.mNumFaces) * 3;
        anyTangents = anyTangents || mesh.HasTangentsAndBitangents();
        if (numVertices > kMaxElements || numIndices > kMaxElements)
            return false;
    }
    streams.positions.reserve(numVertices * 3);
    streams.texCoords.reserve(numVertices * 2);
    streams.normals.reserve(numVertices * 3);
    streams.indices.reserve(numIndices);
    return true;
}
}

bool BuildMeshStreams(const aiScene& scene, MeshStreams& streams, std::string& error)
{
    streams = MeshStreams();
    bool anyTangents = false;
    if (!PlanSubsets(scene, streams, anyTangents))
    {
        error = FormatString("more than %llu vertices or indices", (unsigned long long)kMaxElements);
        streams = MeshStreams();
        return false;
    }
    for (unsigned i = 0; i < scene.mNumMeshes; ++i)
    {
        const aiMesh& mesh = *scene.mMeshes[i];
        AppendVertices(mesh, anyTangents, streams);
        if (!AppendFaces(mesh, streams) || (mesh.mNumVertices == 0 && mesh.mNumFaces > 0))
        {
            error = FormatString("a face of mesh %u refers to a vertex it does not have", i);
            streams = MeshStreams();
            return false;
        }
    }
    return true;
}

std::vector<BoundingBox> SubsetBounds(const MeshStreams& streams)
{
    const size_t vertexCount = streams.positions.size() / 3;
    std::vector<BoundingBox> bounds(streams.subsets.size());
    for (size_t i = 0; i < streams.subsets.size(); ++i)
    {
        const size_t first = streams.subsets[i].baseVertex;
        const size_t end = i + 1 < streams.subsets.size() ? streams.subsets[i + 1].baseVertex : vertexCount;
        for (size_t v = first; v < end; ++v)
        {
            const glm::vec3 p(streams.positions[3 * v], streams.positions[3 * v + 1], streams.positions[3 * v + 2]);
            bounds[i].lo = v == first ? p : glm::min(bounds[i].lo, p);
            bounds[i].hi = v == first ? p : glm::max(bounds[i].hi, p);
        }
    }
    return bounds;
}
