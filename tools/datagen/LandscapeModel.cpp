#include <algorithm>
#include <string>

#include "CTerrain.h"
#include "Models.h"

namespace
{
const float SnowTileMetres = 9.0f;
// The ground is cut into this many pieces along each axis, so that the shadow
// passes can leave out the pieces a cascade or cube face cannot see.
const size_t TilesPerSide = 8;

// Normals are measured over about a grid cell, so that the coarse far terrain
// does not shade detail its triangles cannot show.
glm::vec3 SurfaceNormal(const CTerrain& terrain, float x, float z)
{
    const float e = std::max(0.75f, 0.5f * std::max(CTerrain::Spacing(x), CTerrain::Spacing(z)));
    const float dx = terrain.Height(x + e, z) - terrain.Height(x - e, z);
    const float dz = terrain.Height(x, z + e) - terrain.Height(x, z - e);
    return glm::normalize(glm::vec3(-dx, 2.0f * e, -dz));
}

// Grid line indices where tiles meet. Every tile spans about as many cells,
// so tiles are small in the fine centre and large towards the horizon.
std::vector<uint32_t> TileEdges(size_t lineCount)
{
    std::vector<uint32_t> edges;
    for (size_t i = 0; i <= TilesPerSide; ++i)
        edges.push_back(static_cast<uint32_t>((i * (lineCount - 1) + TilesPerSide / 2) / TilesPerSide));
    return edges;
}

// The cells between grid lines `first` and `last` (x, z indices) as one piece.
// Pieces that meet repeat the vertices of their shared edge, computed alike, so
// the ground stays closed and evenly shaded across the seam.
void AddTile(CMeshBuilder& mesh, const CTerrain& terrain, glm::uvec2 first, glm::uvec2 last)
{
    const std::vector<float>& lines = terrain.GridLines();
    const uint32_t base = static_cast<uint32_t>(mesh.VertexCount());
    for (uint32_t j = first.y; j <= last.y; ++j)
        for (uint32_t i = first.x; i <= last.x; ++i)
        {
            const float x = lines[i], z = lines[j];
            const glm::vec3 p(x, terrain.Height(x, z), z);
            mesh.AddVertex(p, SurfaceNormal(terrain, x, z), glm::vec2(x, z) / SnowTileMetres);
        }
    const uint32_t n = last.x - first.x + 1;
    for (uint32_t j = 0; j < last.y - first.y; ++j)
        for (uint32_t i = 0; i + 1 < n; ++i)
        {
            const uint32_t a = base + j * n + i;
            const uint32_t b = a + 1;
            const uint32_t c = a + n;
            const uint32_t d = c + 1;
            mesh.AddTriangle(a, b, d);
            mesh.AddTriangle(a, d, c);
        }
}
} // namespace

CMeshBuilder BuildLandscape(const CTerrain& terrain)
{
    CMeshBuilder mesh;
    mesh.AddMaterial({"snow", "snow_diffuse.png", glm::vec3(0.6f), 48.0f});
    const std::vector<uint32_t> edges = TileEdges(terrain.GridLines().size());
    for (size_t row = 0; row + 1 < edges.size(); ++row)
        for (size_t column = 0; column + 1 < edges.size(); ++column)
        {
            mesh.BeginObject("ground_" + std::to_string(column) + "_" + std::to_string(row), "snow");
            AddTile(mesh, terrain, {edges[column], edges[row]}, {edges[column + 1], edges[row + 1]});
        }
    return mesh;
}
