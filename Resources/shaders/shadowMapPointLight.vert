#version 330 core
// Shadow casters into one face of a point light's cube.

layout(location = 0) in vec3 inPosition;

uniform mat4 gMVP;
uniform mat4 gModel;

out vec3 vWorldPos;

void main()
{
    vec4 position = vec4(inPosition, 1.0);
    gl_Position = gMVP * position;
    vWorldPos = (gModel * position).xyz;
}
