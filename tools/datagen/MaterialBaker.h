#pragma once

#include <functional>
#include <string>

#include <glm/glm.hpp>

class CDatasetWriter;

// What a material looks like at one point of its (tiling) texture.
struct SurfaceSample
{
    glm::vec3 albedo = glm::vec3(0.5f);
    float height = 0.0f;   // bump height; MaterialMaps::bumpStrength scales its slopes
    float specular = 0.0f; // specular intensity
    glm::vec3 glow = glm::vec3(0.0f);
};

// Which maps a material gets; the file names follow the renderer's
// convention: <stem>_diffuse.png and the "_normal", "_specular" and "_glow"
// companions beside it.
struct MaterialMaps
{
    std::string stem; // e.g. "models/scene/stone"
    int size = 512;
    bool normal = true;
    bool specular = true;
    bool glow = false;
    float bumpStrength = 1.0f;
};

using SurfaceFunction = std::function<SurfaceSample(glm::vec2 st)>;

void BakeMaterial(CDatasetWriter& writer, const MaterialMaps& maps, const SurfaceFunction& surface);
