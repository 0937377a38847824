#include "Noise.h"

#include <algorithm>
#include <cmath>

#include "CRandom.h"

namespace
{
int Wrap(int i, int period)
{
    if (period <= 0)
        return i;
    const int r = i % period;
    return r < 0 ? r + period : r;
}

glm::vec2 LatticeGradient(int x, int y, glm::ivec2 period, uint32_t seed)
{
    const uint32_t h = Hash3(Wrap(x, period.x), Wrap(y, period.y), seed);
    const float angle = static_cast<float>(h & 0xFFFFu) * (6.2831853f / 65536.0f);
    return glm::vec2(std::cos(angle), std::sin(angle));
}

float Fade(float t)
{
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}
} // namespace

float GradientNoise(glm::vec2 p, glm::ivec2 period, uint32_t seed)
{
    const int x0 = static_cast<int>(std::floor(p.x));
    const int y0 = static_cast<int>(std::floor(p.y));
    const glm::vec2 f = p - glm::vec2(x0, y0);
    const float n00 = glm::dot(LatticeGradient(x0, y0, period, seed), f);
    const float n10 = glm::dot(LatticeGradient(x0 + 1, y0, period, seed), f - glm::vec2(1, 0));
    const float n01 = glm::dot(LatticeGradient(x0, y0 + 1, period, seed), f - glm::vec2(0, 1));
    const float n11 = glm::dot(LatticeGradient(x0 + 1, y0 + 1, period, seed), f - glm::vec2(1, 1));
    const float u = Fade(f.x);
    const float v = Fade(f.y);
    return 1.4142f * glm::mix(glm::mix(n00, n10, u), glm::mix(n01, n11, u), v);
}

float Fbm(glm::vec2 p, glm::ivec2 period, int octaves, uint32_t seed, float gain)
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float norm = 0.0f;
    for (int i = 0; i < octaves; ++i)
    {
        sum += amplitude * GradientNoise(p, period, seed + static_cast<uint32_t>(i) * 1013u);
        norm += amplitude;
        amplitude *= gain;
        p *= 2.0f;
        period *= 2;
    }
    return sum / norm;
}

float CellDistance(glm::vec2 p, glm::ivec2 period, uint32_t seed)
{
    const int cx = static_cast<int>(std::floor(p.x));
    const int cy = static_cast<int>(std::floor(p.y));
    float best = 10.0f;
    for (int dy = -1; dy <= 1; ++dy)
    {
        for (int dx = -1; dx <= 1; ++dx)
        {
            const uint32_t h = Hash3(Wrap(cx + dx, period.x), Wrap(cy + dy, period.y), seed);
            const glm::vec2 jitter((h & 0xFFFFu) / 65535.0f, (h >> 16) / 65535.0f);
            const glm::vec2 feature = glm::vec2(cx + dx, cy + dy) + jitter;
            best = std::min(best, glm::length(feature - p));
        }
    }
    return best;
}

float Smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float TileFbm(glm::vec2 st, glm::ivec2 cells, int octaves, uint32_t seed, float gain)
{
    return Fbm(st * glm::vec2(cells), cells, octaves, seed, gain);
}

float TileCells(glm::vec2 st, glm::ivec2 cells, uint32_t seed)
{
    return CellDistance(st * glm::vec2(cells), cells, seed);
}
