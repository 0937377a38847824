#version 330 core
// A snowflake from the sprite, blended additively. It adds light to the scene
// colour only: nothing to the bright part (a flake alone never blooms) and
// nothing to the depth-of-field value of what lies behind it.

#include "sceneOutputs.glsl"

in vec2 vTexCoord;
in float vFade;

uniform sampler2D gSampler;

// The light a flake gives back, in the scene's linear units.
const vec3 kFlakeColour = vec3(0.7, 0.72, 0.76);

void main()
{
    vec4 texel = texture(gSampler, vTexCoord);
    outColor = vec4(kFlakeColour * SrgbToLinear(texel.rgb), texel.a * vFade);
    outBright = vec4(0.0);
    outDepth = vec4(0.0);
}
