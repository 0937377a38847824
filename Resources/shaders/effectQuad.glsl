// The vertex stage of every full-screen effect pass: the quad's corners pass
// straight through and hand their texture coordinate on.
#def_include
layout(location = 0) in vec2 inPosition;
layout(location = 1) in vec2 inTexCoord;

out vec2 vTexCoord;

void main()
{
    vTexCoord = inTexCoord;
    gl_Position = vec4(inPosition, 0.0, 1.0);
}
#def_source
