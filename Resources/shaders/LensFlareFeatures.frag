#version 330 core
// Lens-flare features: ghosts of the bright spots mirrored through the image
// centre, spaced by gGhostDispersal and fading towards the rim, tinted by the
// lens-colour image along the radius; and a halo ring around the centre.

uniform sampler2D gSampler;
uniform sampler2D gLensColours;
uniform int gGhosts;
uniform float gGhostDispersal;

in vec2 vTexCoord;

out vec3 outColor;

#include "colourCurve.glsl"

const int kMaxGhosts = 16;
const float kHaloRadius = 0.45;
const float kHaloStrength = 0.6;
const float kCornerDistance = 0.70710678;

// 1 at the centre falling smoothly to 0 in the corners, so ghosts fade out towards the rim.
float CentreWeight(vec2 uv)
{
    return 1.0 - smoothstep(0.0, 1.0, length(vec2(0.5) - uv) / kCornerDistance);
}

void main()
{
    vec2 uv = vec2(1.0) - vTexCoord; // ghosts appear mirrored through the centre
    vec2 ghostStep = (vec2(0.5) - uv) * gGhostDispersal;
    vec3 ghosts = vec3(0.0);
    for (int i = 0; i < kMaxGhosts; ++i)
    {
        if (i >= gGhosts)
            break;
        vec2 tap = fract(uv + ghostStep * float(i));
        ghosts += texture(gSampler, tap).rgb * CentreWeight(tap);
    }
    float radius = length(vec2(0.5) - uv) / kCornerDistance;
    ghosts *= SrgbToLinear(texture(gLensColours, vec2(radius, 0.5)).rgb);

    vec2 haloTap = fract(uv + normalize(ghostStep + vec2(1e-6)) * kHaloRadius);
    vec3 halo = texture(gSampler, haloTap).rgb * CentreWeight(haloTap) * kHaloStrength;
    outColor = ghosts + halo;
}
