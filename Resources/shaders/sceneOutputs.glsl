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

const float kDepthOfFieldRange = 725.0;
const float kBrightThreshold = 1.0;

// Images store display colours; the scene targets hold linear light. The
// curve is colour^2.2, as colour^2 times a cubic in colour^(1/4): within 0.12%
// of it from 1/255 up, and within 1e-8 below: two square roots and three
// multiply-adds in place of a power's logarithm and exponential.
vec3 SrgbToLinear(vec3 colour)
{
    vec3 root = sqrt(sqrt(colour));
    return colour * colour * (0.05065 + root * (1.20385 + root * (-0.37083 + root * 0.11697)));
}

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
