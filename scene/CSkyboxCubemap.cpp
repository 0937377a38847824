#include "scene/CSkyboxCubemap.h"

bool CSkyboxCubemap::Init(const std::string& path)
{
    CSkybox::Init(path);
    CreateProgram("Resources\\shaders\\skybox.vert", "Resources\\shaders\\skybox.frag");
    if (cubemap.LoadCubemap(path, false))
        return true;
    // The faces read before the failing one are not worth keeping.
    cubemap.Release();
    return false;
}

void CSkyboxCubemap::Release()
{
    if (initialized)
        cubemap.Release();
    CSkybox::Release();
}

void CSkyboxCubemap::BindTextures()
{
    // A cube map has no sampler object: sampler 0 leaves its own parameters in force.
    cubemap.Bind(0);
}
