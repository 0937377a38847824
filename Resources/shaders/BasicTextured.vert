#version 330 core
// Textured, tinted quads and meshes (the sun, moon and stars of the sky).

layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec2 inTexCoord;

uniform mat4 gMVP;

out vec2 vTexCoord;
out float vViewDepth;

void main()
{
    gl_Position = gMVP * vec4(inPosition, 1.0);
    vTexCoord = inTexCoord;
    vViewDepth = gl_Position.w;
}
