// The sun's shadow from four cascades of hardware-compared depth maps.
// Included by lightShadows.frag, after lightCounts.glsl.
#def_include
// Tints that tell the cascades apart when the cascade display is on.
const vec3 kCascadeTints[CASCADE_COUNT] = vec3[CASCADE_COUNT](vec3(1.0, 0.35, 0.35), vec3(0.35, 1.0, 0.35),
                                                              vec3(0.4, 0.5, 1.0), vec3(1.0, 1.0, 0.35));

// The first cascade whose far end lies beyond the fragment's clip-space depth;
// -1 past the last cascade.
int ChooseCascade(float clipDepth, float cascadeEnds[CASCADE_COUNT])
{
    for (int i = 0; i < CASCADE_COUNT; ++i)
    {
        if (clipDepth <= cascadeEnds[i])
            return i;
    }
    return -1;
}

// Over the last tenth of a cascade's depth range its shadow hands over to the
// next cascade's, so the change of texel size shows as no line on the ground.
const float kCascadeBlendBand = 0.1;

// How far the fragment is into the hand-over at the far end of `cascade`: 0
// before the band, rising smoothly to 1 at the cascade's end; 0 in the last
// cascade, which has nothing to hand over to.
float CascadeHandOver(float clipDepth, int cascade, float cascadeEnds[CASCADE_COUNT])
{
    // Picked by constant indices (spelt out for the four cascades that
    // lightShadows.frag checks for): a computed index into the array costs a
    // software rasterizer a gather per fragment.
    float start = cascade == 1 ? cascadeEnds[0] : cascade == 2 ? cascadeEnds[1] : 0.0;
    float end = cascade == 0 ? cascadeEnds[0] : cascade == 1 ? cascadeEnds[1] : cascadeEnds[2];
    bool last = cascade < 0 || cascade >= CASCADE_COUNT - 1;
    return last ? 0.0 : smoothstep(end - kCascadeBlendBand * (end - start), end, clipDepth);
}

// Taps of the 2 x 2 kernel, half a texel either side of the point. Each tap is
// itself a bilinear 2 x 2 comparison (linear filtering on a comparison
// texture), so together they weigh a 3 x 3 block of texels as a tent and the
// edge fades over about three texels. The caster pass's polygon offset keeps
// surfaces from shadowing themselves.
const int kCascadeTaps = 4;

// The fragment's place in a cascade's map: xy the map coordinate, z the depth
// compared; outside [0, 1] across, or at the far end, it lies outside the
// cascade's box, where nothing was drawn.
vec3 CascadeMapCoord(vec4 lightClipPos)
{
    return lightClipPos.xyz / lightClipPos.w * 0.5 + 0.5;
}

bool InsideCascade(vec3 p)
{
    return p.z < 1.0 && all(greaterThanEqual(p.xy, vec2(0.0))) && all(lessThanEqual(p.xy, vec2(1.0)));
}

// How many of `taps` taps of one cascade's kernel around `p` see the sun. The
// caller passes the whole kernel for the cascade the fragment lies in and 0
// for the others: the loop then runs only where a fragment needs it (a
// software rasterizer shades fragments in groups and skips the iterations that
// no fragment of the group needs). Reads name their level, as reads in
// non-uniform control flow must (the maps have no mipmaps).
float CascadeLitTaps(sampler2DShadow shadowMap, vec3 p, vec2 texel, int taps)
{
    float lit = 0.0;
    for (int i = 0; i < taps; ++i)
        lit += textureLod(shadowMap, vec3(p.xy + (vec2(i % 2, i / 2) - 0.5) * texel, p.z), 0.0);
    return lit;
}
#def_source
