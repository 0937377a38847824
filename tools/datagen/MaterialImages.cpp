#include "MaterialImages.h"

#include <cmath>

#include "CRandom.h"
#include "MaterialBaker.h"
#include "Noise.h"

namespace
{
const float Tau = 6.2831853f;

// A random value per texel of a size x size image, for sparkle and speckle.
float TexelHash(glm::vec2 st, int size, uint32_t seed)
{
    const glm::ivec2 texel(st * static_cast<float>(size));
    return (Hash3(texel.x, texel.y, seed) & 0xFFFFFFu) / 16777216.0f;
}

SurfaceSample Snow(glm::vec2 st)
{
    const float drift = TileFbm(st, {3, 3}, 5, 101u);
    const float warp = TileFbm(st, {4, 4}, 3, 102u);
    // Whole cycles across the tile in s and t, so that the ripples run on over its edges.
    const float ripple = std::sin(Tau * (7.0f * st.y + 0.9f * warp + st.x));
    const float grain = TileFbm(st, {64, 64}, 2, 103u);
    SurfaceSample s;
    s.height = 3.0f * drift + 0.6f * ripple * (0.5f + 0.5f * warp) + 0.15f * grain;
    const float shade = 0.5f + 0.5f * drift;
    s.albedo = glm::mix(glm::vec3(0.80f, 0.85f, 0.93f), glm::vec3(0.97f, 0.98f, 1.0f), 0.55f + 0.45f * shade);
    const float sparkle = TexelHash(st, 512, 104u);
    s.specular = 0.12f + 0.1f * shade + (sparkle > 0.992f ? 0.85f : (sparkle > 0.975f ? 0.35f : 0.0f));
    return s;
}

SurfaceSample Rock(glm::vec2 st)
{
    const float big = TileFbm(st, {4, 4}, 5, 201u);
    const float cracks = Smoothstep(0.0f, 0.08f, std::fabs(TileFbm(st, {5, 5}, 3, 202u)));
    const float speck = TexelHash(st, 512, 203u);
    const float ragged = 0.12f * TileFbm(st, {24, 24}, 3, 206u);
    const float lichen = Smoothstep(0.26f, 0.17f, TileCells(st, {12, 12}, 204u) + ragged) *
                         Smoothstep(0.1f, 0.4f, TileFbm(st, {6, 6}, 3, 205u));
    SurfaceSample s;
    s.albedo = glm::vec3(0.36f, 0.34f, 0.32f) * (0.8f + 0.35f * big) * (0.7f + 0.3f * cracks) *
               (0.9f + 0.2f * speck);
    s.albedo = glm::mix(s.albedo, glm::vec3(0.58f, 0.62f, 0.48f), 0.8f * lichen);
    s.height = 4.0f * big + 1.5f * cracks + 0.3f * speck + 0.5f * lichen;
    s.specular = 0.12f * cracks + 0.06f;
    return s;
}

SurfaceSample Grass(glm::vec2 st)
{
    const float streak = TileFbm(st, {24, 1}, 3, 301u);
    // Pale, dry blades: straw at the tips, a little darker and greener at the root.
    const glm::vec3 base(0.40f, 0.37f, 0.22f), middle(0.64f, 0.58f, 0.36f), tip(0.88f, 0.81f, 0.58f);
    const glm::vec3 colour = st.y < 0.5f ? glm::mix(base, middle, st.y * 2.0f) : glm::mix(middle, tip, st.y * 2.0f - 1.0f);
    SurfaceSample s;
    s.albedo = colour * (0.85f + 0.3f * streak);
    return s;
}
} // namespace

void WriteSnowAndGroundMaterials(CDatasetWriter& writer)
{
    BakeMaterial(writer, {"models/scene/snow", 512, true, true, false, 0.9f}, Snow);
    BakeMaterial(writer, {"models/scene/rock", 512, true, true, false, 1.2f}, Rock);
    BakeMaterial(writer, {"models/scene/grass", 128, false, false, false, 1.0f}, Grass);
    BakeMaterial(writer, {"models/sphere/sphere", 32, false, false, false, 1.0f},
                 [](glm::vec2) { return SurfaceSample{glm::vec3(1.0f), 0.0f, 0.0f, glm::vec3(0.0f)}; });
}
