#version 330 core

// The sky cube around the camera; its positions are the directions looked up.
layout(location = 0) in vec3 inPosition;

uniform mat4 view;
uniform mat4 projection;

out vec3 vDirection;

void main()
{
    vDirection = inPosition;
    gl_Position = projection * view * vec4(inPosition, 1.0);
}
