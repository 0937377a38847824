#version 330 core
// Fast approximate anti-aliasing of the finished picture. The luma of the four
// diagonal neighbours gives the direction of an edge; the pixel is replaced by
// the average of two taps along that edge, reaching at most gFXAASpanMax
// pixels. Where the neighbours show no visible edge the direction is zero, so
// both taps read the pixel itself and it passes through untouched (no branch:
// a software rasterizer pays for both sides of one).

uniform sampler2D gSampler;
uniform vec2 gSampleSize;        // target size in pixels
uniform float gFXAASubpixShift;  // moves the neighbour taps off the pixel corners
uniform float gFXAASpanMax;      // longest search along an edge, in pixels
uniform float gFXAAReduceMul;    // damps the direction in bright regions

in vec2 vTexCoord;

out vec3 outColor;

#include "texelAt.glsl"

// Keeps the direction finite where the gradient vanishes.
const float kReduceMin = 1.0 / 128.0;
// Local contrast below which a pixel has no edge worth filtering.
const float kEdgeThreshold = 1.0 / 16.0;

float Luma(vec3 colour)
{
    return dot(colour, vec3(0.299, 0.587, 0.114));
}

vec3 Fetch(vec2 uv)
{
    return texture(gSampler, uv).rgb;
}

void main()
{
    vec2 texel = 1.0 / gSampleSize;
    // The centre and its diagonal neighbours are whole texels: read unfiltered.
    ivec2 middle = TexelIndex(gSampler, vTexCoord - texel * gFXAASubpixShift);
    float lumaNW = Luma(TexelNear(gSampler, middle, ivec2(-1, -1)));
    float lumaNE = Luma(TexelNear(gSampler, middle, ivec2(1, -1)));
    float lumaSW = Luma(TexelNear(gSampler, middle, ivec2(-1, 1)));
    float lumaSE = Luma(TexelNear(gSampler, middle, ivec2(1, 1)));
    float lumaMin = min(min(lumaNW, lumaNE), min(lumaSW, lumaSE));
    float lumaMax = max(max(lumaNW, lumaNE), max(lumaSW, lumaSE));
    float edge = step(max(kEdgeThreshold * lumaMax, 1.0 / 64.0), lumaMax - lumaMin);

    vec2 dir = vec2(-((lumaNW + lumaNE) - (lumaSW + lumaSE)), (lumaNW + lumaSW) - (lumaNE + lumaSE));
    float reduce = max((lumaNW + lumaNE + lumaSW + lumaSE) * 0.25 * gFXAAReduceMul, kReduceMin);
    float scale = 1.0 / (min(abs(dir.x), abs(dir.y)) + reduce);
    dir = clamp(dir * scale, vec2(-gFXAASpanMax), vec2(gFXAASpanMax)) * texel * edge;

    outColor = 0.5 * (Fetch(vTexCoord + dir * (1.0 / 3.0 - 0.5)) + Fetch(vTexCoord + dir * (2.0 / 3.0 - 0.5)));
}
