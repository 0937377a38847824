// The three targets of the scene framebuffer, written by every program that
// draws into it. Included by the scene shaders; only the section below is taken.
#def_include
// 0: linear HDR colour, alpha for blending.
layout(location = 0) out vec4 outColor;
// 1: the light above a luminance of 1 (the colour scaled down by the share
//    of its luminance that lies above it, so the bright part fades in
//    smoothly); feeds the bloom blur and the lens flare.
layout(location = 1) out vec4 outBright;
// 2: the depth used by depth of field: view depth (clip-space w) divided by
//    725, so a point 50 units in front of the camera gives 0.069. Written as a
//    vec4 with the value in red, green and blue and the surface's alpha in
//    alpha, so a blended sprite leaves the depth behind its clear texels alone.
layout(location = 2) out vec4 outDepth;

#include "colourCurve.glsl"

const float kDepthOfFieldRange = 725.0;
const float kBrightThreshold = 1.0;

float Luminance(vec3 colour)
{
    return dot(colour, vec3(0.2126, 0.7152, 0.0722));
}

void WriteSceneOutputs(vec3 colour, float alpha, float viewDepth)
{
    colour = max(colour, vec3(0.0));
    outColor = vec4(colour, alpha);
    float luminance = Luminance(colour);
    float excess = max(luminance - kBrightThreshold, 0.0) / max(luminance, 1e-4);
    outBright = vec4(colour * excess, alpha);
    outDepth = vec4(vec3(viewDepth / kDepthOfFieldRange), alpha);
}
#def_source
