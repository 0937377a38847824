#pragma once

#include <string>

namespace Assimp
{
class Importer;
}
struct aiScene;

// Reads the model file at `localPath` (already resolved) with the
// post-processing every mesh of the scene uses (triangles, smooth normals,
// tangents, shared vertices, flipped v) and the importer's own validation.
// Null, with `error` set, when the file can't be read, holds no complete mesh,
// or names a material library that would crash the importer. The scene belongs to `importer`.
const aiScene* ImportModel(Assimp::Importer& importer, const std::string& localPath, std::string& error);
