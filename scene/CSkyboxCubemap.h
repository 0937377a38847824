#pragma once

#include "scene/CSkybox.h"
#include "textures/CTexture.h"

// The fallback sky: the cube textured with a six-face cube map.
class CSkyboxCubemap : public CSkybox
{
public:
    // False when a face image is missing or unreadable; the cube map is then
    // freed again and the sky draws black.
    bool Init(const std::string& path) override;
    void Release() override;
    void BindTextures() override;

    CTexture cubemap;
};
