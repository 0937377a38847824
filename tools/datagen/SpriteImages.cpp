#include "SpriteImages.h"

#include <cmath>
#include <vector>

#include "CDatasetWriter.h"
#include "CImage.h"
#include "CRandom.h"
#include "Noise.h"

namespace
{
// Position on the sprite card: (-1, -1) bottom left to (1, 1) top right.
glm::vec2 CardPoint(float s, float t)
{
    return glm::vec2(2.0f * s - 1.0f, 2.0f * t - 1.0f);
}

// A small bright disc with limb darkening inside a soft, wide halo.
CImage Sun()
{
    CImage image(256, 256);
    image.Fill([](float s, float t) {
        const float r = glm::length(CardPoint(s, t));
        const float radius = 0.13f;
        const float disc = Smoothstep(radius + 0.012f, radius - 0.012f, r);
        const float limb = std::sqrt(std::max(0.0f, 1.0f - (r * r) / (radius * radius)));
        const float halo = (0.55f * std::exp(-r / 0.09f) + 0.22f * std::exp(-r / 0.32f)) * Smoothstep(1.0f, 0.6f, r);
        const glm::vec3 core = glm::mix(glm::vec3(1.0f, 0.86f, 0.62f), glm::vec3(1.0f, 0.98f, 0.93f), limb);
        const float alpha = std::min(1.0f, disc + halo);
        const glm::vec3 colour = glm::mix(glm::vec3(1.0f, 0.88f, 0.66f), core, disc);
        return glm::vec4(colour, alpha);
    });
    return image;
}

struct Crater
{
    glm::vec2 centre;
    float radius;
};

// A full moon: bright highlands, dark maria and craters with lit rims.
CImage Moon()
{
    std::vector<Crater> craters;
    CRandom random(0x300Du);
    for (int i = 0; i < 70; ++i)
    {
        const float r = 0.45f * std::sqrt(random.NextFloat());
        const float a = random.Range(0.0f, 6.2831853f);
        const float size = 0.012f + 0.07f * std::pow(random.NextFloat(), 3.0f);
        craters.push_back({glm::vec2(r * std::cos(a), r * std::sin(a)), size});
    }
    CImage image(256, 256);
    image.Fill([&](float s, float t) {
        const glm::vec2 p = CardPoint(s, t);
        const float radius = 0.45f;
        const float r = glm::length(p);
        const float edge = Smoothstep(radius + 0.01f, radius - 0.01f, r);
        const float z = std::sqrt(std::max(0.0f, 1.0f - (r * r) / (radius * radius)));
        const float maria = Smoothstep(0.05f, 0.35f, Fbm(p * 3.2f, glm::ivec2(0), 4, 901u));
        float albedo = glm::mix(0.82f, 0.46f, maria) * (0.92f + 0.1f * Fbm(p * 24.0f, glm::ivec2(0), 3, 902u));
        for (const Crater& c : craters)
        {
            const float d = glm::length(p - c.centre) / c.radius;
            if (d > 1.3f)
                continue;
            const float lit = glm::dot(glm::normalize(p - c.centre + 1e-6f), glm::vec2(-0.7f, 0.7f));
            albedo *= d < 1.0f ? 0.86f - 0.1f * lit * d : 1.0f + 0.18f * Smoothstep(1.3f, 1.0f, d) * (0.6f + 0.4f * lit);
        }
        const float shade = albedo * (0.55f + 0.45f * z);
        const float glow = 0.18f * std::exp(-std::max(0.0f, r - radius) / 0.08f) * Smoothstep(1.0f, 0.6f, r);
        const glm::vec3 colour = glm::vec3(shade) * glm::vec3(0.98f, 0.98f, 1.0f);
        return glm::vec4(edge > 0.0f ? colour : glm::vec3(0.8f, 0.85f, 0.95f), std::max(edge, glow));
    });
    return image;
}

// A point of light a few texels wide with a faint glow; the quad is drawn
// several times wider than the sun's, so nearly all of it is transparent.
CImage Star()
{
    CImage image(256, 256);
    image.Fill([](float s, float t) {
        const float r = glm::length(CardPoint(s, t)) * 128.0f; // in texels
        const float core = std::exp(-(r * r) / (2.0f * 1.4f * 1.4f));
        const float glow = 0.12f * std::exp(-r / 5.0f);
        return glm::vec4(0.92f, 0.95f, 1.0f, std::min(1.0f, core + glow));
    });
    return image;
}
} // namespace

void WriteCelestialSprites(CDatasetWriter& writer)
{
    writer.WriteImage("skyboxes/dynamic/sun.png", Sun(), ImageFormat::PngRgba);
    writer.WriteImage("skyboxes/dynamic/moon.png", Moon(), ImageFormat::PngRgba);
    writer.WriteImage("skyboxes/dynamic/star.png", Star(), ImageFormat::PngRgba);
}

// A soft flake: a round falloff with a faint six-armed crystal in it.
void WriteSnowflakeSprite(CDatasetWriter& writer)
{
    CImage image(64, 64);
    image.Fill([](float s, float t) {
        const glm::vec2 p = CardPoint(s, t);
        const float r = glm::length(p);
        const float angle = std::atan2(p.y, p.x);
        const float arms = std::pow(std::fabs(std::cos(3.0f * angle)), 12.0f) * Smoothstep(0.85f, 0.2f, r);
        const float body = std::pow(std::max(0.0f, 1.0f - r * r), 2.0f);
        return glm::vec4(1.0f, 1.0f, 1.0f, std::min(1.0f, 0.75f * body + 0.35f * arms * body));
    });
    writer.WriteImage("textures/snow_particle3.png", image, ImageFormat::PngRgba);
}
