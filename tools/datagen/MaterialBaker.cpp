#include "MaterialBaker.h"

#include <vector>

#include "CDatasetWriter.h"
#include "CImage.h"

namespace
{
// Tangent-space normals from a tiling height field: x along +s, y along +t
// (up the picture), z out of the surface, packed as n * 0.5 + 0.5.
CImage NormalMap(const std::vector<float>& height, int size, float strength)
{
    auto h = [&](int x, int y) {
        x = (x + size) % size;
        y = (y + size) % size;
        return height[static_cast<size_t>(y) * size + x];
    };
    CImage image(size, size);
    for (int y = 0; y < size; ++y)
    {
        for (int x = 0; x < size; ++x)
        {
            const float ds = 0.5f * (h(x + 1, y) - h(x - 1, y));
            const float dt = 0.5f * (h(x, y - 1) - h(x, y + 1));
            const glm::vec3 n = glm::normalize(glm::vec3(-ds * strength, -dt * strength, 1.0f));
            image.At(x, y) = glm::vec4(n * 0.5f + 0.5f, 1.0f);
        }
    }
    return image;
}
} // namespace

void BakeMaterial(CDatasetWriter& writer, const MaterialMaps& maps, const SurfaceFunction& surface)
{
    const int size = maps.size;
    CImage albedo(size, size), specular(size, size), glow(size, size);
    std::vector<float> height(static_cast<size_t>(size) * size);
    for (int y = 0; y < size; ++y)
    {
        for (int x = 0; x < size; ++x)
        {
            const SurfaceSample s = surface(glm::vec2((x + 0.5f) / size, 1.0f - (y + 0.5f) / size));
            albedo.At(x, y) = glm::vec4(s.albedo, 1.0f);
            specular.At(x, y) = glm::vec4(glm::vec3(s.specular), 1.0f);
            glow.At(x, y) = glm::vec4(s.glow, 1.0f);
            height[static_cast<size_t>(y) * size + x] = s.height;
        }
    }
    writer.WriteImage(maps.stem + "_diffuse.png", albedo, ImageFormat::PngRgb);
    if (maps.normal)
        writer.WriteImage(maps.stem + "_normal.png", NormalMap(height, size, maps.bumpStrength), ImageFormat::PngRgb);
    if (maps.specular)
        writer.WriteImage(maps.stem + "_specular.png", specular, ImageFormat::PngRgb);
    if (maps.glow)
        writer.WriteImage(maps.stem + "_glow.png", glow, ImageFormat::PngRgb);
}
