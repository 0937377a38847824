#version 330 core
// The texture on unit 0 times the tint; the product's alpha is the blend factor.

#include "sceneOutputs.glsl"

uniform sampler2D gSampler;
uniform vec4 gColor;

in vec2 vTexCoord;
in float vViewDepth;

void main()
{
    vec4 texel = texture(gSampler, vTexCoord);
    vec4 colour = vec4(SrgbToLinear(texel.rgb), texel.a) * gColor;
    WriteSceneOutputs(colour.rgb, colour.a, vViewDepth);
}
