#version 330 core
// The final composite. Scene colour (linear HDR) gets depth of field from the
// depth target, then bloom and the lens flare are added, the vignette darkens
// the corners, exposure scales the light and one of four tone curves maps it
// to [0, 1]. The result is encoded as sRGB: the only place in the frame where
// that happens.

uniform sampler2D gScreenTexture;
uniform sampler2D gBloomTexture;
uniform sampler2D gDepthTexture;
uniform sampler2D gLensFlareTexture;
uniform sampler2D gDebugTexture;

uniform float gExposure;
uniform int gToneMappingSwitch; // 0 Linear, 1 Reinhard, 2 Filmic, 3 Uncharted 2
uniform int gBloom;
uniform int gDOFSwitch;
uniform float gFocalPoint;   // depth in focus (view depth / 725)
uniform float gFocalLength;  // half width of the sharp zone around it
uniform float gFocalFade;    // distance over which the blur reaches its maximum
uniform float gFocalMaxBlur; // blur at the end of the fade, 1 = the widest gather
uniform int gVignetteSwitch;
uniform int gDebugView;
uniform int gDebugRenderDOFArea;

in vec2 vTexCoord;

out vec3 outColor;

#include "texelAt.glsl"
#include "toneCurves.glsl"
#include "colourCurve.glsl"
#include "depthOfField.glsl"

const float kBloomStrength = 1.0;
const float kLensFlareStrength = 0.6;
// The vignette starts at this distance from the centre (corners are at 1) and
// leaves this much light in the corners.
const float kVignetteStart = 0.45;
const float kVignetteCorner = 0.55;

float Vignette(vec2 uv)
{
    float radius = length((uv - 0.5) * 2.0) * 0.70710678;
    return mix(1.0, kVignetteCorner, smoothstep(kVignetteStart, 1.0, radius));
}

void main()
{
    if (gDebugView != 0)
    {
        outColor = TexelAt(gDebugTexture, vTexCoord);
        return;
    }
    float depth = TexelAt(gDepthTexture, vTexCoord).r;
    float blur = BlurAmount(depth);
    vec3 colour = TexelAt(gScreenTexture, vTexCoord);
    if (gDOFSwitch != 0)
        colour = DepthOfField(vTexCoord, colour, depth, blur);
    if (gBloom != 0)
        colour += TexelAt(gBloomTexture, vTexCoord) * kBloomStrength;
    colour += TexelAt(gLensFlareTexture, vTexCoord) * kLensFlareStrength;
    if (gVignetteSwitch != 0)
        colour *= Vignette(vTexCoord);
    colour = ToneMap(colour * gExposure, gToneMappingSwitch);
    if (gDebugRenderDOFArea != 0)
        colour = DofAreaTint(colour, depth, blur);
    outColor = LinearToSrgb(colour);
}
