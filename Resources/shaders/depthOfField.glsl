// Depth of field for the composite: how blurred a pixel is from its depth and
// the four focal values, and a small gather over a disc of that size.
// Included by PostProcessing.frag, which declares the samplers and focal
// uniforms.
#def_include
// Widest gather radius, in pixels of a 1600-pixel-wide picture.
const float kMaxBlurRadius = 7.0;
// Taps on a golden-angle spiral filling the disc, read unfiltered at whole
// texels. The gather runs for every pixel (a sharp one gathers from its own
// position), so it is kept this small.
const int kGatherTaps = 5;
// r = sqrt((i + 0.5) / 5) at i times the golden angle: an even cover of the unit disc.
const vec2 kGatherDisc[kGatherTaps] = vec2[](
    vec2(0.316, 0.000), vec2(-0.404, 0.370), vec2(0.062, -0.704), vec2(0.509, 0.665),
    vec2(-0.934, -0.165));

// The sky writes its far distance, 1500 / 725; nothing else reaches this far.
const float kSkyDepth = 2.0;

// 0 inside the sharp zone, rising linearly over the fade to gFocalMaxBlur.
// The sky, with the stars and the snowflakes seen against it, stays sharp:
// a small gather would turn each point of light into a cluster of dots.
float BlurAmount(float depth)
{
    if (depth >= kSkyDepth)
        return 0.0;
    float outside = abs(depth - gFocalPoint) - gFocalLength;
    return clamp(outside / max(gFocalFade, 1e-5), 0.0, 1.0) * gFocalMaxBlur;
}

// The gather around `uv`, whose own colour the caller has already read.
vec3 DepthOfField(vec2 uv, vec3 centreColour, float blur)
{
    ivec2 centre = TexelIndex(gScreenTexture, uv);
    float radius = kMaxBlurRadius * float(textureSize(gScreenTexture, 0).x) / 1600.0 * blur;
    vec3 sum = centreColour;
    for (int i = 0; i < kGatherTaps; ++i)
        sum += TexelNear(gScreenTexture, centre, ivec2(round(kGatherDisc[i] * radius)));
    return sum / float(kGatherTaps + 1);
}

// Near, in focus and far tinted blue, green and red; the tint deepens with the blur.
vec3 DofAreaTint(vec3 colour, float depth, float blur)
{
    vec3 tint = blur <= 0.0 ? vec3(0.1, 0.9, 0.1) : (depth < gFocalPoint ? vec3(0.1, 0.3, 1.0) : vec3(1.0, 0.15, 0.1));
    float luma = dot(colour, vec3(0.2126, 0.7152, 0.0722));
    return mix(vec3(luma), tint, 0.35 + 0.35 * clamp(blur, 0.0, 1.0));
}
#def_source
