#version 330 core
// First lens-flare pass, at an eighth of the window: only light above the
// bias (which is negative) survives, scaled.

uniform sampler2D gSampler;
uniform float gSampleScale;
uniform float gSampleBias;

in vec2 vTexCoord;

out vec3 outColor;

void main()
{
    outColor = max(texture(gSampler, vTexCoord).rgb + vec3(gSampleBias), vec3(0.0)) * gSampleScale;
}
