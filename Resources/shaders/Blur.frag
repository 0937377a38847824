#version 330 core
// One direction of a separable blur: the taps 1 2 1 at gStep texels apart, in
// three reads. Along x when gHorizontal is 1, along y when 0. The caller doubles
// the step after each pair of passes (1, 2, 4, 8, 16 texels): the chain then
// adds up to a tent that reaches 31 texels, falls off without ripples and
// costs three reads a pass, the same as a narrow kernel. The taps fall on whole
// texels, so each is one unfiltered read: at a render scale below 1 the scaled
// step is rounded, and is at least one texel. Past the edges the edge's own
// texels are read.

uniform sampler2D gSampler;
uniform int gHorizontal;
uniform float gStep;

in vec2 vTexCoord;

out vec3 outColor;

#include "texelAt.glsl"

void main()
{
    ivec2 texel = TexelIndex(gSampler, vTexCoord);
    ivec2 offset = (gHorizontal == 1 ? ivec2(1, 0) : ivec2(0, 1)) * max(int(round(gStep)), 1);
    outColor = texelFetch(gSampler, texel, 0).rgb * 0.5 +
               (TexelNear(gSampler, texel, offset) + TexelNear(gSampler, texel, -offset)) * 0.25;
}
