#version 330 core
// A glyph quad in window pixels: the quad's vertex, moved to the pen
// position, through the window's orthographic projection.

layout(location = 0) in vec2 inPosition;
layout(location = 1) in vec2 inTexCoord;

uniform mat4 gOrthoProjection;
uniform vec2 gPenPosition;

out vec2 vTexCoord;

void main()
{
    vTexCoord = inTexCoord;
    gl_Position = gOrthoProjection * vec4(inPosition + gPenPosition, 0.0, 1.0);
}
