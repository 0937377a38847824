#version 330 core
// Particles in world space; the geometry stage turns each into a quad.

layout(location = 0) in vec3 inPosition;
layout(location = 2) in float inLifeTime;

out float vLifeTime;

void main()
{
    gl_Position = vec4(inPosition, 1.0);
    vLifeTime = inLifeTime;
}
