#include "CAtmosphere.h"

#include <cmath>

namespace
{
const float PlanetRadius = 6360e3f;
const float TopRadius = 6420e3f;
const float ViewerAltitude = 50.0f;
const float SunIntensity = 20.0f;
const glm::vec3 RayleighBeta(5.8e-6f, 13.5e-6f, 33.1e-6f);
const float RayleighHeight = 8000.0f;
const float MieBeta = 5e-6f;
const float MieHeight = 1200.0f;
const float MieG = 0.76f;
const float Pi = 3.14159265f;

// Distance along the ray to the sphere of `radius` around the planet centre,
// or a negative value when the ray misses it.
float RaySphere(glm::vec3 origin, glm::vec3 direction, float radius)
{
    const float b = glm::dot(origin, direction);
    const float c = glm::dot(origin, origin) - radius * radius;
    const float d = b * b - c;
    if (d < 0.0f)
        return -1.0f;
    const float s = std::sqrt(d);
    if (-b - s > 0.0f)
        return -b - s;
    return -b + s;
}

glm::vec3 Extinction(glm::vec2 depth)
{
    return glm::exp(-(RayleighBeta * depth.x + glm::vec3(1.1f * MieBeta) * depth.y));
}
} // namespace

float CAtmosphere::MiePhase(float cosAngle, float g)
{
    const float g2 = g * g;
    return 3.0f / (8.0f * Pi) * (1.0f - g2) * (1.0f + cosAngle * cosAngle) /
           ((2.0f + g2) * std::pow(1.0f + g2 - 2.0f * g * cosAngle, 1.5f));
}

// (Rayleigh, Mie) optical depth along a ray.
glm::vec2 CAtmosphere::OpticalDepth(glm::vec3 from, glm::vec3 direction, float length, int steps) const
{
    const float ds = length / steps;
    glm::vec2 depth(0.0f);
    for (int i = 0; i < steps; ++i)
    {
        const float h = glm::length(from + direction * ((i + 0.5f) * ds)) - PlanetRadius;
        depth += glm::vec2(std::exp(-h / RayleighHeight), std::exp(-h / MieHeight)) * ds;
    }
    return depth;
}

glm::vec3 CAtmosphere::Transmittance(float altitude, glm::vec3 toSun) const
{
    const glm::vec3 origin(0.0f, PlanetRadius + altitude, 0.0f);
    const float ground = RaySphere(origin, toSun, PlanetRadius);
    if (ground > 0.0f && glm::dot(origin, toSun) < 0.0f)
        return glm::vec3(0.0f);
    const float length = RaySphere(origin, toSun, TopRadius);
    return Extinction(OpticalDepth(origin, toSun, length, 16));
}

glm::vec3 CAtmosphere::Scattered(glm::vec3 view, glm::vec3 toSun, float haze) const
{
    const glm::vec3 origin(0.0f, PlanetRadius + ViewerAltitude, 0.0f);
    float length = RaySphere(origin, view, TopRadius);
    const float ground = RaySphere(origin, view, PlanetRadius);
    if (ground > 0.0f && glm::dot(origin, view) < 0.0f)
        length = ground;
    const int steps = 20;
    const float ds = length / steps;
    const float mu = glm::dot(view, toSun);
    const float rayleighPhase = 3.0f / (16.0f * Pi) * (1.0f + mu * mu);
    const float miePhase = haze * MiePhase(mu, MieG) + (1.0f - haze) * (1.0f / (4.0f * Pi));
    glm::vec2 viewDepth(0.0f);
    glm::vec3 rayleigh(0.0f), mie(0.0f);
    for (int i = 0; i < steps; ++i)
    {
        const glm::vec3 p = origin + view * ((i + 0.5f) * ds);
        const float h = glm::length(p) - PlanetRadius;
        const glm::vec2 density(std::exp(-h / RayleighHeight), std::exp(-h / MieHeight));
        viewDepth += density * ds;
        const glm::vec3 up = glm::normalize(p);
        const float sunGround = RaySphere(p, toSun, PlanetRadius);
        if (sunGround > 0.0f && glm::dot(up, toSun) < 0.0f)
            continue; // this part of the air is in the planet's shadow
        const glm::vec2 sunDepth = OpticalDepth(p, toSun, RaySphere(p, toSun, TopRadius), 6);
        const glm::vec3 attenuation = Extinction(viewDepth + sunDepth);
        rayleigh += attenuation * density.x * ds;
        mie += attenuation * density.y * ds;
    }
    return SunIntensity * (rayleigh * RayleighBeta * rayleighPhase + mie * MieBeta * miePhase);
}
