// Depth of field for the composite: how blurred a pixel is from its depth and
// the four focal values, and a gather over a disc of that size. Included by
// PostProcessing.frag, which declares the samplers and focal uniforms.
#def_include
// Widest gather radius, in pixels of a 1600-pixel-wide picture.
const float kMaxBlurRadius = 7.0;
const int kGatherTaps = 12;
const float kGoldenAngle = 2.39996323;

// 0 inside the sharp zone, rising linearly over the fade to gFocalMaxBlur.
float BlurAmount(float depth)
{
    float outside = abs(depth - gFocalPoint) - gFocalLength;
    return clamp(outside / max(gFocalFade, 1e-5), 0.0, 1.0) * gFocalMaxBlur;
}

vec2 BlurRadiusScale()
{
    vec2 size = vec2(textureSize(gScreenTexture, 0));
    return vec2(kMaxBlurRadius * size.x / 1600.0) / size;
}

// A disc of taps on a golden-angle spiral around `uv`. A tap counts only as
// far as its own blur reaches back to the centre, so sharp objects in front
// of a blurred background do not bleed into it.
vec3 DepthOfField(vec2 uv, float blur)
{
    vec2 scale = BlurRadiusScale();
    vec3 sum = texture(gScreenTexture, uv).rgb;
    float total = 1.0;
    for (int i = 0; i < kGatherTaps; ++i)
    {
        float r = sqrt((float(i) + 0.5) / float(kGatherTaps)) * blur;
        float a = float(i) * kGoldenAngle;
        vec2 tap = uv + vec2(cos(a), sin(a)) * r * scale;
        float tapBlur = BlurAmount(texture(gDepthTexture, tap).r);
        float weight = clamp((tapBlur - r) * kMaxBlurRadius + 1.0, 0.0, 1.0);
        sum += texture(gScreenTexture, tap).rgb * weight;
        total += weight;
    }
    return sum / total;
}

// Near, in focus and far tinted blue, green and red; the tint deepens with the blur.
vec3 DofAreaTint(vec3 colour, float depth)
{
    float blur = BlurAmount(depth);
    vec3 tint = blur <= 0.0 ? vec3(0.1, 0.9, 0.1) : (depth < gFocalPoint ? vec3(0.1, 0.3, 1.0) : vec3(1.0, 0.15, 0.1));
    float luma = dot(colour, vec3(0.2126, 0.7152, 0.0722));
    return mix(vec3(luma), tint, 0.35 + 0.35 * clamp(blur, 0.0, 1.0));
}
#def_source
