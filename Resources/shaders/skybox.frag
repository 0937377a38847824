#version 330 core
// The fallback sky: a six-face cube map.

#include "sceneOutputs.glsl"

in vec3 vDirection;

uniform samplerCube gSkybox;

// The sky lies beyond everything: the far distance.
const float kSkyDistance = 1500.0;

void main()
{
    // The faces are uploaded bottom row first with the y faces swapped, which
    // turns the cube upside down: look it up with y mirrored.
    vec3 colour = texture(gSkybox, vec3(vDirection.x, -vDirection.y, vDirection.z)).rgb;
    WriteSceneOutputs(SrgbToLinear(colour), 1.0, kSkyDistance);
}
