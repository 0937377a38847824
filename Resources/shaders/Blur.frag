#version 330 core
// One direction of a separable Gaussian blur: nine taps read in five fetches,
// each off-centre fetch landing between two texels so that bilinear filtering
// weighs them in one read. Along x when gHorizontal is 1, along y when 0.

uniform sampler2D gSampler;
uniform int gHorizontal;

in vec2 vTexCoord;

out vec3 outColor;

// The 9-tap kernel's weights pairwise merged: centre, then the texel pairs (1, 2) and (3, 4).
const float kWeights[3] = float[](0.2270270270, 0.3162162162, 0.0702702703);
const float kOffsets[3] = float[](0.0, 1.3846153846, 3.2307692308);

void main()
{
    vec2 texel = 1.0 / vec2(textureSize(gSampler, 0));
    vec2 step = gHorizontal == 1 ? vec2(texel.x, 0.0) : vec2(0.0, texel.y);
    // The source may wrap; keep the taps on this side of its edges.
    vec2 low = 0.5 * texel, high = 1.0 - 0.5 * texel;
    vec3 sum = texture(gSampler, vTexCoord).rgb * kWeights[0];
    for (int i = 1; i < 3; ++i)
    {
        sum += texture(gSampler, clamp(vTexCoord + step * kOffsets[i], low, high)).rgb * kWeights[i];
        sum += texture(gSampler, clamp(vTexCoord - step * kOffsets[i], low, high)).rgb * kWeights[i];
    }
    outColor = sum;
}
