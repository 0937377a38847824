#include <cmath>

#include "MaterialBaker.h"
#include "MaterialImages.h"
#include "Noise.h"

namespace
{
// Growth rings running along s, wobbling with the wood's knots; 0 in the
// early wood, 1 in the dark late-wood lines.
float Grain(glm::vec2 st, uint32_t seed)
{
    const float wobble = TileFbm(st, {2, 6}, 4, seed);
    const float ring = 10.0f * st.y + 1.6f * wobble;
    const float band = ring - std::floor(ring);
    return std::pow(Smoothstep(0.55f, 1.0f, band), 2.0f);
}

SurfaceSample DarkWood(glm::vec2 st)
{
    const float grain = Grain(st, 401u);
    const float fibre = TileFbm(st, {3, 90}, 2, 402u);
    const float tone = TileFbm(st, {2, 2}, 3, 403u);
    SurfaceSample s;
    s.albedo = glm::mix(glm::vec3(0.23f, 0.13f, 0.07f), glm::vec3(0.09f, 0.045f, 0.025f), 0.75f * grain);
    s.albedo *= (0.88f + 0.2f * fibre) * (0.92f + 0.16f * tone);
    s.height = -1.2f * grain + 0.5f * fibre;
    s.specular = 0.32f - 0.15f * grain + 0.05f * fibre;
    return s;
}

// Weathering: dark run-off streaks that hang down the wood.
float Streaks(glm::vec2 st, uint32_t seed)
{
    return Smoothstep(0.05f, 0.6f, TileFbm(st, {28, 2}, 4, seed) + 0.25f * TileFbm(st, {4, 4}, 2, seed + 1u));
}

SurfaceSample RedLacquer(glm::vec2 st)
{
    const float streak = Streaks(st, 501u);
    const float grain = Grain(st, 503u);
    const float chip = Smoothstep(0.12f, 0.08f, TileCells(st, {14, 14}, 504u)) *
                       Smoothstep(0.35f, 0.55f, TileFbm(st, {5, 5}, 3, 505u));
    SurfaceSample s;
    s.albedo = glm::mix(glm::vec3(0.74f, 0.13f, 0.05f), glm::vec3(0.46f, 0.08f, 0.05f), 0.7f * streak);
    s.albedo *= 0.95f + 0.1f * grain;
    s.albedo = glm::mix(s.albedo, glm::vec3(0.22f, 0.13f, 0.08f), chip);
    s.height = 0.3f * grain - 1.5f * chip;
    s.specular = (0.55f - 0.3f * streak) * (1.0f - chip);
    return s;
}

SurfaceSample BlackLacquer(glm::vec2 st)
{
    const float streak = Streaks(st, 601u);
    SurfaceSample s;
    s.albedo = glm::mix(glm::vec3(0.045f, 0.04f, 0.04f), glm::vec3(0.13f, 0.12f, 0.11f), 0.6f * streak);
    s.specular = 0.65f - 0.35f * streak;
    return s;
}
} // namespace

void WriteWoodMaterials(CDatasetWriter& writer)
{
    BakeMaterial(writer, {"models/scene/wood", 512, true, true, false, 1.5f}, DarkWood);
    BakeMaterial(writer, {"models/scene/torii_red", 512, true, true, false, 1.0f}, RedLacquer);
    BakeMaterial(writer, {"models/scene/torii_black", 256, false, true, false, 1.0f}, BlackLacquer);
}
