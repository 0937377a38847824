#version 330 core
// Unlit HDR colour: the marker's colour is well above 1, so it also blooms.

#include "sceneOutputs.glsl"

uniform vec3 gColor;

in float vViewDepth;

void main()
{
    WriteSceneOutputs(gColor, 1.0, vViewDepth);
}
