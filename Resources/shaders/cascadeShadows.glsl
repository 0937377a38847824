// The sun's shadow from four cascades of hardware-compared depth maps.
// Included by lightShadows.frag.
#def_include
// Tints that tell the cascades apart when the cascade display is on.
const vec3 kCascadeTints[4] = vec3[4](vec3(1.0, 0.35, 0.35), vec3(0.35, 1.0, 0.35), vec3(0.4, 0.5, 1.0),
                                      vec3(1.0, 1.0, 0.35));

// The first cascade whose far end lies beyond the fragment's clip-space depth;
// -1 past the last cascade.
int ChooseCascade(float clipDepth, float cascadeEnds[4])
{
    for (int i = 0; i < 4; ++i)
    {
        if (clipDepth <= cascadeEnds[i])
            return i;
    }
    return -1;
}

// Fraction of the sun that reaches a point, 3 x 3 taps one texel apart. Each
// tap is itself a bilinear 2 x 2 comparison (linear filtering on a comparison
// texture), so the edge fades over about four texels. The caster pass's
// polygon offset keeps surfaces from shadowing themselves.
float CascadeShadow(sampler2DShadow shadowMap, vec4 lightClipPos, vec2 mapSize)
{
    vec3 p = lightClipPos.xyz / lightClipPos.w * 0.5 + 0.5;
    if (p.z >= 1.0 || any(lessThan(p.xy, vec2(0.0))) || any(greaterThan(p.xy, vec2(1.0))))
        return 1.0; // outside the cascade's box: nothing was drawn there
    vec2 texel = 1.0 / mapSize;
    float lit = 0.0;
    for (int y = -1; y <= 1; ++y)
    {
        for (int x = -1; x <= 1; ++x)
            lit += texture(shadowMap, vec3(p.xy + vec2(x, y) * texel, p.z));
    }
    return lit / 9.0;
}
#def_source
