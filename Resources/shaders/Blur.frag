#version 330 core
// One direction of a separable blur: the taps 1 2 1 at gStep texels apart, in
// three reads. Along x when gHorizontal is 1, along y when 0. The caller doubles
// the step after each pair of passes (1, 2, 4, 8, 16 texels): the chain then
// adds up to a tent that reaches 31 texels, falls off without ripples and
// costs three reads a pass, the same as a narrow kernel.

uniform sampler2D gSampler;
uniform int gHorizontal;
uniform float gStep;

in vec2 vTexCoord;

out vec3 outColor;

void main()
{
    vec2 texel = 1.0 / vec2(textureSize(gSampler, 0));
    vec2 offset = (gHorizontal == 1 ? vec2(texel.x, 0.0) : vec2(0.0, texel.y)) * gStep;
    outColor = texture(gSampler, vTexCoord).rgb * 0.5 +
               (texture(gSampler, vTexCoord + offset).rgb + texture(gSampler, vTexCoord - offset).rgb) * 0.25;
}
