// Depth of field for the composite: how blurred a pixel is from its depth and
// the four focal values, and a small gather over a disc of that size.
// Included by PostProcessing.frag, which declares the samplers and focal
// uniforms.
#def_include
// Widest gather radius, in pixels of a 1600-pixel-wide picture.
const float kMaxBlurRadius = 7.0;
// Taps on a golden-angle spiral, r = sqrt((i + 0.5) / 16) at i times the
// golden angle: an even cover of the unit disc. Each pixel turns the spiral by
// an angle of its own, so the few taps leave a fine grain instead of copies of
// an edge, and reads between texels, so the blur grows smoothly with depth.
const int kGatherTaps = 16;
const vec2 kGatherDisc[kGatherTaps] = vec2[](
    vec2(0.177, 0.000), vec2(-0.226, 0.207), vec2(0.035, -0.394), vec2(0.285, 0.371),
    vec2(-0.522, -0.092), vec2(0.495, -0.315), vec2(-0.165, 0.616), vec2(-0.316, -0.608),
    vec2(0.685, 0.250), vec2(-0.712, 0.294), vec2(0.343, -0.734), vec2(0.254, 0.809),
    vec2(-0.765, -0.443), vec2(0.897, -0.197), vec2(-0.548, 0.779), vec2(-0.126, -0.976));

// 0 inside the sharp zone, rising linearly over the fade to gFocalMaxBlur.
// The sky writes its far distance (1500 / 725) and blurs like the far
// mountains. Pixels that snowflakes cover are marked at or below 0 and stay
// sharp: a flake is a bright point that a gather would smear into the
// background around it.
float BlurAmount(float depth)
{
    if (depth <= 0.0)
        return 0.0;
    float outside = abs(depth - gFocalPoint) - gFocalLength;
    return clamp(outside / max(gFocalFade, 1e-5), 0.0, 1.0) * gFocalMaxBlur;
}

// A turn of the spiral for each pixel: interleaved gradient noise, which
// neighbouring pixels never share.
mat2 PixelRotation()
{
    float angle = 6.2831853 * fract(52.9829189 * fract(dot(gl_FragCoord.xy, vec2(0.06711056, 0.00583715))));
    float c = cos(angle), s = sin(angle);
    return mat2(c, s, -s, c);
}

// The gather around `uv`, whose own colour and depth the caller has already
// read. A tap nearer than the centre and much sharper than it (an in-focus
// edge, a snowflake) is left out, so that sharp things keep their outline
// instead of leaking copies of themselves into a blurred background; whatever
// lies behind the centre, the sky included, is gathered. A sharp pixel
// gathers nothing.
vec3 DepthOfField(vec2 uv, vec3 centreColour, float depth, float blur)
{
    vec2 size = vec2(textureSize(gScreenTexture, 0));
    // The scene targets repeat; a tap past an edge reads the edge's own texels.
    vec2 lowest = 0.5 / size, highest = 1.0 - lowest;
    ivec2 centre = TexelIndex(gScreenTexture, uv);
    float radius = kMaxBlurRadius * size.x / 1600.0 * blur;
    mat2 spiral = PixelRotation() * radius;
    int taps = blur > 0.0 ? kGatherTaps : 0;
    vec3 sum = centreColour;
    float weight = 1.0;
    for (int i = 0; i < taps; ++i)
    {
        vec2 offset = spiral * kGatherDisc[i];
        float tapDepth = TexelNear(gDepthTexture, centre, ivec2(round(offset))).r;
        float taken = max(step(depth, tapDepth), step(0.5 * blur, BlurAmount(tapDepth)));
        sum += textureLod(gScreenTexture, clamp(uv + offset / size, lowest, highest), 0.0).rgb * taken;
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
