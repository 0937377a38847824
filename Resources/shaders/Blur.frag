#version 330 core
// One direction of a separable Gaussian blur: the five binomial taps
// 1 4 6 4 1 read in three fetches, each off-centre fetch landing between two
// texels so that bilinear filtering weighs the pair in one read. Along x when
// gHorizontal is 1, along y when 0. Ten passes at full size make this the
// costliest effect of the frame, so each pass is kept to three reads.

uniform sampler2D gSampler;
uniform int gHorizontal;

in vec2 vTexCoord;

out vec3 outColor;

const float kCentreWeight = 6.0 / 16.0;
const float kPairWeight = 5.0 / 16.0;
// Where the texel pair (1, 2) balances: 1 + 1/5.
const float kPairOffset = 1.2;
// Taps are spread this much wider than the kernel's texels: the repeated
// passes fill the gaps, and the glow reaches further for the same cost.
const float kSpread = 1.25;

void main()
{
    vec2 texel = 1.0 / vec2(textureSize(gSampler, 0));
    vec2 offset = (gHorizontal == 1 ? vec2(texel.x, 0.0) : vec2(0.0, texel.y)) * (kPairOffset * kSpread);
    outColor = texture(gSampler, vTexCoord).rgb * kCentreWeight +
               (texture(gSampler, vTexCoord + offset).rgb + texture(gSampler, vTexCoord - offset).rgb) * kPairWeight;
}
