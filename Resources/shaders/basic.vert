#version 330 core
// Flat-coloured objects (the light marker).

layout(location = 0) in vec3 inPosition;

uniform mat4 gMVP;

out float vViewDepth;

void main()
{
    gl_Position = gMVP * vec4(inPosition, 1.0);
    vViewDepth = gl_Position.w;
}
