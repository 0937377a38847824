#version 330 core
// The texture on unit 0 times the tint; the product's alpha is the blend factor.

#include "sceneOutputs.glsl"

uniform sampler2D gSampler;
uniform vec4 gColor;

in vec2 vTexCoord;
in float vViewDepth;

void main()
{
    vec4 colour = texture(gSampler, vTexCoord) * gColor;
    WriteSceneOutputs(colour.rgb, colour.a, vViewDepth);
}
