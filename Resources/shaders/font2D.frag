#version 330 core
// Glyph coverage, kept in the texture's red channel, as the alpha of the text colour.

uniform sampler2D gSampler;
uniform vec4 gColor;

in vec2 vTexCoord;

out vec4 outColor;

void main()
{
    outColor = vec4(gColor.rgb, gColor.a * texture(gSampler, vTexCoord).r);
}
