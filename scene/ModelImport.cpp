#include "scene/ModelImport.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include "scene/MaterialLibraryCheck.h"

namespace
{
const unsigned importFlags = aiProcess_CalcTangentSpace | aiProcess_JoinIdenticalVertices | aiProcess_Triangulate |
                             aiProcess_GenSmoothNormals | aiProcess_FlipUVs | aiProcess_ValidateDataStructure;
}

const aiScene* ImportModel(Assimp::Importer& importer, const std::string& localPath, std::string& error)
{
    error = MaterialLibraryProblem(localPath);
    if (!error.empty())
        return nullptr;
    const aiScene* scene = importer.ReadFile(localPath, importFlags);
    if (scene == nullptr)
        error = importer.GetErrorString();
    else if (scene->mNumMeshes == 0 || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE))
        error = "the file holds no complete mesh";
    else
        return scene;
    return nullptr;
}
