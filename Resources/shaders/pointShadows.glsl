// Omnidirectional shadows of point lights from cube maps of world-space
// distances (written by shadowMapPointLight.frag). Included by lightShadows.frag.
#def_include
// Tap pattern across the lookup direction, within the unit disc.
const int kPointShadowTaps = 5;
const vec2 kPointShadowTap[kPointShadowTaps] = vec2[kPointShadowTaps](
    vec2(0.0, 0.0), vec2(0.95, 0.32), vec2(-0.32, 0.95), vec2(-0.95, -0.32), vec2(0.32, -0.95));

// The taps spread wider the farther the point is from the light, giving the
// shadow a penumbra; in texels, at distance 0 and per unit of distance, capped.
const float kPenumbraTexels = 1.0;
const float kPenumbraGrowth = 0.6;
const float kPenumbraMaxTexels = 12.0;

// Fraction of a point light that reaches a surface point, from the first
// `taps` taps of the pattern (0: none, fully lit). `fromLight` is the
// world-space offset from the light to the point, `normal` the surface's
// geometric normal, `faceSize` the texel count across one cube face. The caller
// passes 0 where the light does not matter: no taps are taken there (a software
// rasterizer still runs the set-up above the loop).
float PointShadow(samplerCube distances, vec3 fromLight, vec3 normal, float faceSize, int taps)
{
    float distance = length(fromLight);
    if (distance < 1e-4)
        return 1.0;
    // One texel of a 90-degree face spans 2 / faceSize units at distance 1.
    float texelAngle = 2.0 / faceSize;
    float spread = min(kPenumbraTexels + kPenumbraGrowth * distance, kPenumbraMaxTexels);
    // The point is looked up from just above its surface, raised by as much as
    // the widest tap can tilt towards it: a surface seen at a grazing angle
    // (the snow far from a lamp) then never shadows itself, and the cube's
    // face edges cannot show through as lines of light.
    vec3 lifted = fromLight + normal * (distance * texelAngle * (spread + 1.5));
    float liftedDistance = length(lifted);
    vec3 direction = lifted / liftedDistance;
    float bias = distance * texelAngle + 0.02;

    vec3 side = normalize(cross(direction, abs(direction.y) < 0.99 ? vec3(0.0, 1.0, 0.0) : vec3(1.0, 0.0, 0.0)));
    vec3 up = cross(direction, side);
    float lit = 0.0;
    for (int i = 0; i < taps; ++i)
    {
        vec2 tap = kPointShadowTap[i] * (texelAngle * spread);
        float nearest = textureLod(distances, direction + side * tap.x + up * tap.y, 0.0).r;
        lit += liftedDistance - bias <= nearest ? 1.0 : 0.0;
    }
    return taps > 0 ? lit / float(taps) : 1.0;
}
#def_source
