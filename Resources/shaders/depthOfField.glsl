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
// The sky with its stars, and the pixels that snowflakes cover (depth 0),
// stay sharp: a small gather would turn each point of light into a cluster
// of dots.
float BlurAmount(float depth)
{
    if (depth >= kSkyDepth || depth <= 0.0)
        return 0.0;
    float outside = abs(depth - gFocalPoint) - gFocalLength;
    return clamp(outside / max(gFocalFade, 1e-5), 0.0, 1.0) * gFocalMaxBlur;
}

// The gather around `uv`, whose own colour and depth the caller has already
// read. A tap nearer than the centre and much sharper than it (an in-focus
// edge, a snowflake) is left out, so that sharp things keep their outline
// instead of leaking copies of themselves into a blurred background; whatever
// lies behind the centre, the sky included, is gathered.
vec3 DepthOfField(vec2 uv, vec3 centreColour, float depth, float blur)
{
    ivec2 centre = TexelIndex(gScreenTexture, uv);
    float radius = kMaxBlurRadius * float(textureSize(gScreenTexture, 0).x) / 1600.0 * blur;
    vec3 sum = centreColour;
    float weight = 1.0;
    for (int i = 0; i < kGatherTaps; ++i)
    {
        ivec2 offset = ivec2(round(kGatherDisc[i] * radius));
        float tapDepth = TexelNear(gDepthTexture, centre, offset).r;
        float taken = max(step(depth, tapDepth), step(0.5 * blur, BlurAmount(tapDepth)));
        sum += TexelNear(gScreenTexture, centre, offset) * taken;
        weight += taken;
    }
    return sum / weight;
}

// Near, in focus and far tinted blue, green and red; the tint deepens with the blur.
vec3 DofAreaTint(vec3 colour, float depth, float blur)
{
    vec3 tint = blur <= 0.0 ? vec3(0.1, 0.9, 0.1) : (depth < gFocalPoint ? vec3(0.1, 0.3, 1.0) : vec3(1.0, 0.15, 0.1));
    float luma = dot(colour, vec3(0.2126, 0.7152, 0.0722));
    return mix(vec3(luma), tint, 0.35 + 0.35 * clamp(blur, 0.0, 1.0));
}
#def_source
