#include <cmath>

#include "CRandom.h"
#include "MaterialBaker.h"
#include "MaterialImages.h"
#include "Noise.h"

namespace
{
// Weathered granite with moss in the hollows and round lichen crusts.
SurfaceSample LanternStone(glm::vec2 st)
{
    const float big = TileFbm(st, {3, 3}, 5, 701u);
    const glm::ivec2 texel(st * 512.0f);
    const float speck = (Hash3(texel.x, texel.y, 702u) & 0xFFFFu) / 65535.0f;
    const float moss = Smoothstep(0.05f, 0.35f, TileFbm(st, {4, 4}, 5, 703u) - 0.4f * big);
    const float mossDetail = TileFbm(st, {48, 48}, 2, 704u);
    // Lichen crusts: cells with ragged edges, only where the stone is exposed.
    const float ragged = 0.12f * TileFbm(st, {24, 24}, 3, 708u);
    const float lichenCell = TileCells(st, {11, 11}, 705u) + ragged;
    const float lichen = Smoothstep(0.26f, 0.18f, lichenCell) * Smoothstep(0.0f, 0.35f, TileFbm(st, {5, 5}, 2, 706u));
    const bool orange = (Hash3(static_cast<int>(st.x * 11.0f), static_cast<int>(st.y * 11.0f), 707u) & 3u) == 0u;
    SurfaceSample s;
    s.albedo = glm::vec3(0.50f, 0.49f, 0.46f) * (0.78f + 0.3f * big) * (0.88f + 0.24f * speck);
    const glm::vec3 mossColour = glm::vec3(0.20f, 0.29f, 0.09f) * (0.8f + 0.4f * mossDetail);
    s.albedo = glm::mix(s.albedo, mossColour, 0.85f * moss);
    const glm::vec3 lichenColour = orange ? glm::vec3(0.72f, 0.48f, 0.16f) : glm::vec3(0.66f, 0.70f, 0.52f);
    s.albedo = glm::mix(s.albedo, lichenColour, 0.75f * lichen);
    s.height = 3.0f * big + 0.6f * speck + moss * (0.8f + 0.8f * mossDetail) + 0.4f * lichen;
    s.specular = 0.1f * (1.0f - moss) + 0.04f * speck;
    return s;
}

// Paper panes in a wooden lattice, two by three panes per tile. The glow map
// lights the paper warm and leaves the lattice dark.
SurfaceSample WindowPaper(glm::vec2 st)
{
    const glm::vec2 cell(st.x * 2.0f, st.y * 3.0f);
    const glm::vec2 f = cell - glm::floor(cell);
    const float bar = std::min(std::min(f.x, 1.0f - f.x), std::min(f.y, 1.0f - f.y));
    const float lattice = Smoothstep(0.06f, 0.04f, bar);
    const float fibre = TileFbm(st, {40, 40}, 3, 801u);
    const float blotch = TileFbm(st, {3, 3}, 3, 802u);
    SurfaceSample s;
    const glm::vec3 paper = glm::vec3(0.93f, 0.86f, 0.70f) * (0.94f + 0.08f * fibre);
    s.albedo = glm::mix(paper, glm::vec3(0.16f, 0.10f, 0.06f), lattice);
    s.height = 1.5f * lattice + 0.2f * fibre;
    s.glow = glm::vec3(1.0f, 0.62f, 0.26f) * (0.85f + 0.15f * blotch) * (1.0f - lattice);
    return s;
}

SurfaceSample Candle(glm::vec2 st)
{
    const float drip = TileFbm(st, {6, 2}, 3, 901u);
    SurfaceSample s;
    s.albedo = glm::vec3(0.95f, 0.90f, 0.76f) * (0.92f + 0.08f * drip);
    s.glow = glm::vec3(1.0f, 0.70f, 0.36f) * (0.75f + 0.25f * drip);
    return s;
}
} // namespace

void WriteStoneMaterials(CDatasetWriter& writer)
{
    BakeMaterial(writer, {"models/scene/stone", 512, true, true, false, 1.0f}, LanternStone);
    BakeMaterial(writer, {"models/scene/window", 256, true, false, true, 1.0f}, WindowPaper);
    BakeMaterial(writer, {"models/scene/candle", 64, false, false, true, 1.0f}, Candle);
}
