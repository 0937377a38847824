#version 330 core
// A snowflake from the sprite, lit by the open sky and blended additively. It
// adds light to the scene colour only, nothing to the bright part (a flake
// alone never blooms). Where it is seen over what lies behind it, it marks the
// pixel sharp for depth of field, by taking kFlakeMark off the depth there
// (blended like the colour, so the rest of its square leaves the depth alone):
// a flake in front of blurred mountains would otherwise be smeared into them,
// and the mark keeps to the flake's visible core, so the background around it
// blurs as it should.

#include "sceneOutputs.glsl"

in vec2 vTexCoord;
in float vFade;

uniform sampler2D gSampler;
// The light from the sun, the moon and the sky on level ground, in the scene's
// linear units: flakes dim with the day like the snow they fall on.
uniform vec3 gSceneLight;

// The share of that light a flake gives back.
const float kFlakeAlbedo = 0.9;

// Below this coverage a texel adds less than a step of an 8-bit channel.
const float kCoverage = 1.0 / 255.0;
// From this coverage on, the flake's light is a good part of what a pixel shows;
// below it the background is, and blurs as it would without the flake.
const float kSeenCoverage = 0.25;
// More than any depth the scene writes (the sky's is about 2).
const float kFlakeMark = 100.0;

void main()
{
    vec4 texel = texture(gSampler, vTexCoord);
    float coverage = texel.a * vFade;
    if (coverage < kCoverage)
        discard;
    outColor = vec4(gSceneLight * kFlakeAlbedo * SrgbToLinear(texel.rgb), coverage);
    outBright = vec4(0.0);
    outDepth = vec4(vec3(-kFlakeMark), step(kSeenCoverage, coverage));
}
