#version 330 core
// The world-space distance from the light to the nearest caster, in the red
// channel of the cube face; the lit pass compares it with its own distance.

uniform vec3 gLightWorldPos;

in vec3 vWorldPos;

layout(location = 0) out vec4 outDistance;

void main()
{
    outDistance = vec4(distance(vWorldPos, gLightWorldPos));
}
