#version 330 core
// A snowflake from the sprite, blended additively. It adds light to the scene
// colour only, nothing to the bright part (a flake alone never blooms). Where
// it covers a pixel it marks it sharp for depth of field (depth 0, written
// unblended): a flake in front of blurred mountains would otherwise be gathered
// into a cluster of dots.

#include "sceneOutputs.glsl"

in vec2 vTexCoord;
in float vFade;

uniform sampler2D gSampler;

// The light a flake gives back, in the scene's linear units.
const vec3 kFlakeColour = vec3(0.7, 0.72, 0.76);

// Below this coverage a texel adds less than a step of an 8-bit channel.
const float kCoverage = 1.0 / 255.0;

void main()
{
    vec4 texel = texture(gSampler, vTexCoord);
    if (texel.a * vFade < kCoverage)
        discard;
    outColor = vec4(kFlakeColour * SrgbToLinear(texel.rgb), texel.a * vFade);
    outBright = vec4(0.0);
    outDepth = vec4(0.0, 0.0, 0.0, 1.0);
}
