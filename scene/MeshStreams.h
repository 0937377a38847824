#pragma once

#include <string>
#include <vector>

#include "scene/BoundingBox.h"

struct aiScene;

// Where one sub-mesh lies in a model's shared streams.
struct MeshSubset
{
    unsigned numIndices = 0;
    unsigned baseVertex = 0; // first vertex in the shared streams
    unsigned baseIndex = 0;  // first index in the shared index buffer
    unsigned materialIndex = 0;
};

// A model's vertices as five separate streams (3 floats per position, normal,
// tangent and bitangent, 2 per texture coordinate) and one index list, three
// indices per face, each relative to its sub-mesh's base vertex.
struct MeshStreams
{
    std::vector<float> positions, texCoords, normals, tangents, bitangents;
    std::vector<unsigned> indices;
    std::vector<MeshSubset> subsets;
};

// Lays the meshes of `scene` end to end. False, with `error` set, when a face
// refers to a vertex that its mesh does not have or the model is too large to
// index with 32 bits; nothing is drawn from such a model.
bool BuildMeshStreams(const aiScene& scene, MeshStreams& streams, std::string& error);

// Model-space bounds of each subset's vertices, in subset order; a subset
// without vertices gets an empty box at the origin.
std::vector<BoundingBox> SubsetBounds(const MeshStreams& streams);
