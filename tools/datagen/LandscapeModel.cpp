#include <algorithm>

#include "CTerrain.h"
#include "Models.h"

namespace
{
const float SnowTileMetres = 9.0f;

// Normals are measured over about a grid cell, so that the coarse far terrain
// does not shade detail its triangles cannot show.
glm::vec3 SurfaceNormal(const CTerrain& terrain, float x, float z)
{
    const float e = std::max(0.75f, 0.5f * std::max(CTerrain::Spacing(x), CTerrain::Spacing(z)));
    const float dx = terrain.Height(x + e, z) - terrain.Height(x - e, z);
    const float dz = terrain.Height(x, z + e) - terrain.Height(x, z - e);
    return glm::normalize(glm::vec3(-dx, 2.0f * e, -dz));
}
} // namespace

CMeshBuilder BuildLandscape(const CTerrain& terrain)
{
    CMeshBuilder mesh;
    mesh.AddMaterial({"snow", "snow_diffuse.png", glm::vec3(0.6f), 48.0f});
    mesh.BeginObject("ground", "snow");
    const std::vector<float>& lines = terrain.GridLines();
    const size_t n = lines.size();
    for (float z : lines)
    {
        for (float x : lines)
        {
            const glm::vec3 p(x, terrain.Height(x, z), z);
            mesh.AddVertex(p, SurfaceNormal(terrain, x, z), glm::vec2(x, z) / SnowTileMetres);
        }
    }
    for (size_t j = 0; j + 1 < n; ++j)
    {
        for (size_t i = 0; i + 1 < n; ++i)
        {
            const uint32_t a = static_cast<uint32_t>(j * n + i);
            const uint32_t b = a + 1;
            const uint32_t c = a + static_cast<uint32_t>(n);
            const uint32_t d = c + 1;
            mesh.AddTriangle(a, b, d);
            mesh.AddTriangle(a, d, c);
        }
    }
    return mesh;
}
