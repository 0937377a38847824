#version 330 core
// Fast approximate anti-aliasing of the finished picture. The luma of the four
// diagonal neighbours gives the direction of an edge; the pixel is replaced by
// the average of taps along that edge, reaching at most gFXAASpanMax pixels,
// unless the wider average strays outside the local luma range. Pixels with
// no visible edge are passed through untouched.

uniform sampler2D gSampler;
uniform vec2 gSampleSize;        // target size in pixels
uniform float gFXAASubpixShift;  // moves the neighbour taps off the pixel corners
uniform float gFXAASpanMax;      // longest search along an edge, in pixels
uniform float gFXAAReduceMul;    // damps the direction in bright regions

in vec2 vTexCoord;

out vec3 outColor;

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
    vec3 centre = Fetch(vTexCoord);
    vec2 corner = vTexCoord - texel * gFXAASubpixShift;
    float lumaNW = Luma(Fetch(corner + vec2(-1.0, -1.0) * texel));
    float lumaNE = Luma(Fetch(corner + vec2(1.0, -1.0) * texel));
    float lumaSW = Luma(Fetch(corner + vec2(-1.0, 1.0) * texel));
    float lumaSE = Luma(Fetch(corner + vec2(1.0, 1.0) * texel));
    float lumaM = Luma(centre);
    float lumaMin = min(lumaM, min(min(lumaNW, lumaNE), min(lumaSW, lumaSE)));
    float lumaMax = max(lumaM, max(max(lumaNW, lumaNE), max(lumaSW, lumaSE)));
    if (lumaMax - lumaMin < max(kEdgeThreshold * lumaMax, 1.0 / 64.0))
    {
        outColor = centre;
        return;
    }

    vec2 dir = vec2(-((lumaNW + lumaNE) - (lumaSW + lumaSE)), (lumaNW + lumaSW) - (lumaNE + lumaSE));
    float reduce = max((lumaNW + lumaNE + lumaSW + lumaSE) * 0.25 * gFXAAReduceMul, kReduceMin);
    float scale = 1.0 / (min(abs(dir.x), abs(dir.y)) + reduce);
    dir = clamp(dir * scale, vec2(-gFXAASpanMax), vec2(gFXAASpanMax)) * texel;

    vec3 near = 0.5 * (Fetch(vTexCoord + dir * (1.0 / 3.0 - 0.5)) + Fetch(vTexCoord + dir * (2.0 / 3.0 - 0.5)));
    vec3 wide = 0.5 * near + 0.25 * (Fetch(vTexCoord - dir * 0.5) + Fetch(vTexCoord + dir * 0.5));
    float lumaWide = Luma(wide);
    outColor = (lumaWide < lumaMin || lumaWide > lumaMax) ? near : wide;
}
