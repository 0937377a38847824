// Reading a texture at the texel under a texture coordinate, without
// filtering. The effect targets have the window's size, so a full-screen pass
// reads each of their texels exactly; on a software rasterizer an unfiltered
// read costs a fraction of a filtered one.
#def_include
ivec2 TexelIndex(sampler2D image, vec2 uv)
{
    ivec2 size = textureSize(image, 0);
    return clamp(ivec2(uv * vec2(size)), ivec2(0), size - 1);
}

vec3 TexelAt(sampler2D image, vec2 uv)
{
    return texelFetch(image, TexelIndex(image, uv), 0).rgb;
}

// The texel `offset` whole texels away, clamped to the image's edges.
vec3 TexelNear(sampler2D image, ivec2 texel, ivec2 offset)
{
    return texelFetch(image, clamp(texel + offset, ivec2(0), textureSize(image, 0) - 1), 0).rgb;
}
#def_source
