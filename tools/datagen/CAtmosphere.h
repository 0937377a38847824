#pragma once

#include <glm/glm.hpp>

// Single scattering in a planet's atmosphere (air molecules and haze), for a
// viewer standing on the ground. Radiance is relative: a sun of intensity 20
// seen through no air. Directions are unit vectors with y up.
class CAtmosphere
{
public:
    // Light scattered towards the viewer along `view` with the sun towards
    // `toSun`. `haze` = 0 leaves out the forward-scattering haze lobe (the
    // sun map adds it separately).
    glm::vec3 Scattered(glm::vec3 view, glm::vec3 toSun, float haze = 1.0f) const;
    // Fraction of sunlight reaching `altitude` (metres) from direction
    // `toSun`; zero where the planet is in the way.
    glm::vec3 Transmittance(float altitude, glm::vec3 toSun) const;

    static float MiePhase(float cosAngle, float g);

private:
    glm::vec2 OpticalDepth(glm::vec3 from, glm::vec3 direction, float length, int steps) const;
};
