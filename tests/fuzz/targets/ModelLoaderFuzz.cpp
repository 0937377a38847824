#include "FuzzScratch.h"
#include "FuzzTargets.h"

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include "scene/MeshStreams.h"
#include "scene/ModelImport.h"

#if defined(__SANITIZE_ADDRESS__)
#define KESTRUNE_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRUNE_LEAK_CHECKED 1
#endif
#endif
#ifdef KESTRUNE_LEAK_CHECKED
#include <sanitizer/lsan_interface.h>
#endif

namespace
{
// The importer leaks what it had built when a damaged file makes it give up:
// its own fault, which the leak checker is told to overlook while it reads.
#ifdef KESTRUNE_LEAK_CHECKED
using ImporterLeaksIgnored = __lsan::ScopedDisabler;
#else
struct ImporterLeaksIgnored
{
};
#endif

// Every index, moved by its sub-mesh's base vertex, names a vertex of the streams.
void CheckStreams(const MeshStreams& streams)
{
    const size_t vertices = streams.positions.size() / 3;
    FuzzCheck(streams.normals.size() == vertices * 3 && streams.texCoords.size() == vertices * 2,
              "vertex streams of different lengths");
    FuzzCheck(streams.tangents.size() == streams.bitangents.size(), "tangents and bitangents differ in length");
    for (const MeshSubset& subset : streams.subsets)
    {
        FuzzCheck(size_t(subset.baseIndex) + subset.numIndices <= streams.indices.size(), "a sub-mesh past the indices");
        for (size_t i = subset.baseIndex; i < size_t(subset.baseIndex) + subset.numIndices; ++i)
            FuzzCheck(size_t(subset.baseVertex) + streams.indices[i] < vertices, "an index past the vertices");
    }
}
}

int FuzzModelLoader(const uint8_t* data, size_t size)
{
    const FuzzScratch& scratch = FuzzScratch::Get();
    const std::vector<std::string> parts = SplitAtZeros(data, size, 2);
    scratch.Write("model.mtl", parts.size() > 1 ? parts[1] : std::string());
    const std::string path = scratch.Write("model.obj", parts[0]);

    Assimp::Importer importer;
    std::string error;
    const aiScene* scene = nullptr;
    {
        [[maybe_unused]] const ImporterLeaksIgnored ignored;
        scene = ImportModel(importer, path, error);
    }
    FuzzCheck(scene != nullptr || !error.empty(), "a failed import without a reason");
    if (scene == nullptr)
        return 0;
    MeshStreams streams;
    if (BuildMeshStreams(*scene, streams, error))
        CheckStreams(streams);
    else
        FuzzCheck(!error.empty() && streams.indices.empty(), "a refused model without a reason, or half built");
    return 0;
}
