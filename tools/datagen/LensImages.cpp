#include "LensImages.h"

#include <cmath>

#include "CDatasetWriter.h"
#include "CImage.h"
#include "CRandom.h"
#include "Noise.h"

namespace
{
const float Tau = 6.2831853f;

glm::vec3 Hue(float h)
{
    const glm::vec3 c(std::fabs(h * 6.0f - 3.0f) - 1.0f, 2.0f - std::fabs(h * 6.0f - 2.0f),
                      2.0f - std::fabs(h * 6.0f - 4.0f));
    return glm::clamp(c, 0.0f, 1.0f);
}

CImage LensColour()
{
    CImage image(256, 8);
    image.Fill([](float s, float) {
        const glm::vec3 rainbow = Hue(0.8f * s);
        return glm::vec4(glm::mix(rainbow, glm::vec3(1.0f), 0.2f), 1.0f);
    });
    return image;
}

// Additive soft disc of `radius` texels, hexagonal when `sides` is 6.
void AddBokeh(CImage& image, glm::vec2 centre, float radius, glm::vec3 colour, bool hexagon)
{
    const int x0 = static_cast<int>(centre.x - radius - 2), x1 = static_cast<int>(centre.x + radius + 2);
    const int y0 = static_cast<int>(centre.y - radius - 2), y1 = static_cast<int>(centre.y + radius + 2);
    for (int y = std::max(0, y0); y <= std::min(image.Height() - 1, y1); ++y)
    {
        for (int x = std::max(0, x0); x <= std::min(image.Width() - 1, x1); ++x)
        {
            const glm::vec2 d = glm::vec2(x + 0.5f, y + 0.5f) - centre;
            float r = glm::length(d);
            if (hexagon)
            {
                const float a = std::fmod(std::atan2(d.y, d.x) + Tau, Tau / 6.0f) - Tau / 12.0f;
                r *= std::cos(a) / 0.93f;
            }
            const float inside = Smoothstep(radius + 1.0f, radius - 1.0f, r);
            const float rim = 1.0f + 0.6f * Smoothstep(radius * 0.7f, radius, r);
            glm::vec4& px = image.At(x, y);
            px += glm::vec4(colour * inside * rim, 0.0f);
        }
    }
}

CImage LensDirt()
{
    const int w = 1024, h = 576;
    CImage image(w, h);
    image.Fill([](float s, float t) {
        const glm::vec2 p(s * 1.78f, t);
        const float smear = Smoothstep(0.25f, 0.75f, Fbm(p * 3.0f, glm::ivec2(0), 5, 1101u));
        const float streak = Smoothstep(0.3f, 0.8f, Fbm(glm::vec2(p.x * 2.0f + p.y * 5.0f, p.y * 1.5f), glm::ivec2(0), 4, 1102u));
        const float v = 0.10f * smear + 0.06f * streak;
        return glm::vec4(v * 0.95f, v, v * 1.05f, 1.0f);
    });
    CRandom random(0xD1A7u);
    for (int i = 0; i < 110; ++i)
    {
        const glm::vec2 c(random.Range(0.0f, w), random.Range(0.0f, h));
        const float radius = 4.0f + 26.0f * std::pow(random.NextFloat(), 2.0f);
        const float brightness = random.Range(0.04f, 0.22f);
        const glm::vec3 tint = glm::mix(glm::vec3(1.0f), Hue(random.NextFloat()), 0.25f);
        AddBokeh(image, c, radius, tint * brightness, random.NextFloat() < 0.5f);
    }
    for (int i = 0; i < 500; ++i)
    {
        const glm::vec2 c(random.Range(0.0f, w), random.Range(0.0f, h));
        AddBokeh(image, c, random.Range(0.6f, 1.8f), glm::vec3(random.Range(0.2f, 0.6f)), false);
    }
    return image;
}

// Thin rays of random length around a small bright centre.
CImage Starburst()
{
    const int rays = 90;
    float angle[rays], width[rays], length[rays], bright[rays];
    CRandom random(0x57A2u);
    for (int i = 0; i < rays; ++i)
    {
        angle[i] = random.Range(0.0f, Tau);
        width[i] = random.Range(0.002f, 0.008f);
        length[i] = random.Range(0.25f, 0.9f);
        bright[i] = random.Range(0.25f, 1.0f);
    }
    CImage image(512, 512);
    image.Fill([&](float s, float t) {
        const glm::vec2 p(2.0f * s - 1.0f, 2.0f * t - 1.0f);
        const float r = glm::length(p);
        const float a = std::atan2(p.y, p.x);
        float v = 0.0f;
        for (int i = 0; i < rays; ++i)
        {
            const float d = std::remainder(a - angle[i], Tau);
            v += bright[i] * std::exp(-(d * d) / (width[i] * width[i])) * std::exp(-r / (0.35f * length[i]));
        }
        v = std::min(1.0f, v) * Smoothstep(1.0f, 0.7f, r) + 0.8f * std::exp(-r / 0.03f);
        const glm::vec3 tint = glm::mix(glm::vec3(1.0f), glm::vec3(1.0f, 0.9f, 0.8f), Smoothstep(0.0f, 0.6f, r));
        return glm::vec4(glm::min(glm::vec3(1.0f), tint * v), 1.0f);
    });
    return image;
}
} // namespace

void WriteLensImages(CDatasetWriter& writer)
{
    writer.WriteImage("Textures/lenscolor.png", LensColour(), ImageFormat::PngRgb);
    writer.WriteImage("Textures/lensdirt.png", LensDirt(), ImageFormat::PngRgb);
    writer.WriteImage("Textures/lensstar.png", Starburst(), ImageFormat::PngRgb);
}
