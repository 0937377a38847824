#version 330 core
// Shadow casters into one cascade of the sun's shadow map.

layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec2 inTexCoord;

uniform mat4 gMVP;

out vec2 vTexCoord;

void main()
{
    gl_Position = gMVP * vec4(inPosition, 1.0);
    vTexCoord = inTexCoord;
}
