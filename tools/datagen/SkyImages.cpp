#include "SkyImages.h"

#include <cmath>
#include <string>

#include "CAtmosphere.h"
#include "CDatasetWriter.h"
#include "CImage.h"
#include "Noise.h"

namespace
{
// The eye adapts: dusk is exposed longer than noon, so twilight keeps its
// colours instead of going black the moment the sun sets.
float Exposure(float sunY)
{
    return 2.0f * glm::mix(14.0f, 1.0f, Smoothstep(-0.2f, 0.02f, sunY));
}

// Airglow and starlight, added on screen: the night sky never goes black.
glm::vec3 NightSky(float viewY)
{
    const float horizon = 1.0f - Smoothstep(0.0f, 0.5f, std::fabs(viewY));
    return glm::mix(glm::vec3(0.025f, 0.035f, 0.075f), glm::vec3(0.055f, 0.065f, 0.09f), horizon);
}

glm::vec3 ToDisplay(glm::vec3 radiance, float sunY)
{
    const glm::vec3 mapped = glm::vec3(1.0f) - glm::exp(-radiance * Exposure(sunY));
    return glm::pow(mapped, glm::vec3(1.0f / 2.2f));
}

glm::vec3 SunDirection(float sunY)
{
    return glm::vec3(std::sqrt(std::max(0.0f, 1.0f - sunY * sunY)), sunY, 0.0f);
}

glm::vec3 HorizonColour(const CAtmosphere& air, float sunY, float viewY)
{
    // The last few degrees are haze over the snow plain, brighter and paler
    // than a single-scattering model alone would make them.
    const float y = std::max(viewY, 0.035f);
    const float across = std::sqrt(1.0f - y * y);
    const glm::vec3 toSun = SunDirection(sunY);
    glm::vec3 sum(0.0f);
    const int azimuths = 8;
    for (int i = 0; i < azimuths; ++i)
    {
        const float phi = 3.1415927f * (i + 0.5f) / azimuths;
        sum += air.Scattered(glm::vec3(std::cos(phi) * across, y, std::sin(phi) * across), toSun, 0.0f);
    }
    const glm::vec3 sky = ToDisplay(sum / static_cast<float>(azimuths), sunY) + NightSky(y);
    return sky * (1.0f - 0.4f * Smoothstep(0.0f, -0.4f, viewY));
}

// Warm light of the sun as it reaches the air around the viewer, fading
// out through twilight.
glm::vec3 SunlightColour(const CAtmosphere& air, float sunY)
{
    const float fade = Smoothstep(-0.14f, 0.0f, sunY);
    return air.Transmittance(1500.0f, SunDirection(std::max(sunY, 0.0f))) * fade;
}

glm::vec3 GlowRadiance(const CAtmosphere& air, float sunY, float cosAngle)
{
    const float aureole = 0.15f * CAtmosphere::MiePhase(cosAngle, 0.8f) + 0.04f * CAtmosphere::MiePhase(cosAngle, 0.4f);
    const float broad = 0.25f * CAtmosphere::MiePhase(cosAngle, 0.4f) * (1.0f - Smoothstep(0.0f, 0.4f, sunY));
    // The glow belongs to the sun's side of the sky only.
    return SunlightColour(air, sunY) * (aureole + broad) * Smoothstep(0.0f, 1.0f, cosAngle);
}
} // namespace

void WriteDynamicSkyMaps(CDatasetWriter& writer)
{
    const CAtmosphere air;
    CImage horizon(128, 128);
    horizon.Fill([&](float s, float t) {
        return glm::vec4(HorizonColour(air, 2.0f * s - 1.0f, 2.0f * t - 1.0f), 1.0f);
    });
    writer.WriteImage("skyboxes/dynamic/horizonmap.png", horizon, ImageFormat::PngRgb);
    CImage sun(128, 256);
    sun.Fill([&](float s, float t) {
        const float sunY = 2.0f * s - 1.0f;
        return glm::vec4(ToDisplay(GlowRadiance(air, sunY, 2.0f * t - 1.0f), sunY), 1.0f);
    });
    writer.WriteImage("skyboxes/dynamic/sunmap.png", sun, ImageFormat::PngRgb);
}

namespace
{
// Direction through texel (sc, tc) of a conventional cube-map face.
glm::vec3 FaceDirection(int face, float sc, float tc)
{
    switch (face)
    {
    case 0: return glm::vec3(1.0f, -tc, -sc);
    case 1: return glm::vec3(-1.0f, -tc, sc);
    case 2: return glm::vec3(sc, 1.0f, tc);
    case 3: return glm::vec3(sc, -1.0f, -tc);
    case 4: return glm::vec3(sc, -tc, 1.0f);
    default: return glm::vec3(-sc, -tc, -1.0f);
    }
}

glm::vec3 CubeSkyRadiance(const CAtmosphere& air, glm::vec3 view, glm::vec3 toSun)
{
    if (view.y >= 0.0f)
    {
        glm::vec3 radiance = air.Scattered(glm::normalize(glm::vec3(view.x, std::max(view.y, 0.035f), view.z)), toSun);
        if (glm::dot(view, toSun) > 0.99996f)
            radiance += air.Transmittance(50.0f, toSun) * 20.0f;
        return radiance;
    }
    // A snow plain under the sky, hazing into the horizon.
    const glm::vec3 horizon = air.Scattered(glm::normalize(glm::vec3(view.x, 0.035f, view.z)), toSun);
    const glm::vec3 snow = glm::vec3(0.82f, 0.86f, 0.92f) * (air.Transmittance(50.0f, toSun) * toSun.y * 1.1f + 0.25f);
    return glm::mix(horizon, snow, Smoothstep(0.0f, 0.25f, -view.y));
}
} // namespace

void WriteCubeSkyFaces(CDatasetWriter& writer)
{
    const CAtmosphere air;
    const glm::vec3 toSun = glm::normalize(glm::vec3(0.6f, 0.42f, -0.7f));
    const char* names[6] = {"right", "left", "top", "bottom", "back", "front"};
    const int size = 256;
    for (int face = 0; face < 6; ++face)
    {
        CImage image(size, size);
        for (int y = 0; y < size; ++y)
        {
            for (int x = 0; x < size; ++x)
            {
                const glm::vec3 view = glm::normalize(
                    FaceDirection(face, 2.0f * (x + 0.5f) / size - 1.0f, 2.0f * (y + 0.5f) / size - 1.0f));
                image.At(x, y) = glm::vec4(ToDisplay(CubeSkyRadiance(air, view, toSun), toSun.y), 1.0f);
            }
        }
        writer.WriteImage(std::string("skyboxes/") + names[face] + ".jpg", image, ImageFormat::Jpeg);
    }
}
