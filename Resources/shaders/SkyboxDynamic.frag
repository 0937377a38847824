#version 330 core
// The time-of-day sky from two maps, both indexed by the height of the sun:
// the horizon map gives the sky's colour by the height of the view, the sun
// map the glow around the sun by the cosine of the angle to it.

#include "sceneOutputs.glsl"
#include "twilight.glsl"

in vec3 vDirection;

uniform sampler2D gSamplerHorizon;
uniform sampler2D gSamplerSun;
uniform vec3 gSunDir; // the direction sunlight travels

// The sky lies beyond everything: the far distance.
const float kSkyDistance = 1500.0;
// The glow's core is lifted above 1 so that it blooms around the sun.
const float kGlowCoreBoost = 3.0;
const float kGlowCoreSharpness = 400.0;

// While the sun is within about 17 degrees of the horizon, the band of sky
// above the horizon takes the orange-pink of the light on the snow (the maps'
// own horizon turns yellow-green there). The tint keeps the sky's brightness.
const vec3 kDuskTint = vec3(1.5, 0.86, 0.72);
const float kDuskStrength = 0.85;
const float kDuskBandHeight = 0.4;

// A map coordinate from two values in [-1, 1].
vec2 MapCoord(float s, float t)
{
    return vec2(s, t) * 0.5 + 0.5;
}

vec3 DuskBand(vec3 sky, float viewHeight, float sunHeight)
{
    float band = 1.0 - smoothstep(0.0, kDuskBandHeight, max(viewHeight, 0.0));
    return mix(sky, kDuskTint * Luminance(sky), TwilightFlush(sunHeight) * band * kDuskStrength);
}

void main()
{
    vec3 view = normalize(vDirection);
    vec3 toSun = normalize(-gSunDir);
    float cosToSun = dot(view, toSun);

    vec3 sky = SrgbToLinear(texture(gSamplerHorizon, MapCoord(toSun.y, view.y)).rgb);
    sky = DuskBand(sky, view.y, toSun.y);
    vec3 glow = SrgbToLinear(texture(gSamplerSun, MapCoord(toSun.y, cosToSun)).rgb);
    glow *= 1.0 + kGlowCoreBoost * pow(max(cosToSun, 0.0), kGlowCoreSharpness);
    WriteSceneOutputs(sky + glow, 1.0, kSkyDistance);
}
