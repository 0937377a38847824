#version 330 core
// Depth only. Holes in a texture's alpha (grass blades) cast no shadow, as
// they are not drawn by the lit pass either.

uniform sampler2D gSampler;

in vec2 vTexCoord;

const float kAlphaCutoff = 0.5;

void main()
{
    if (texture(gSampler, vTexCoord).a < kAlphaCutoff)
        discard;
}
