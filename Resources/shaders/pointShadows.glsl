// Omnidirectional shadows of point lights from cube maps of world-space
// distances (written by shadowMapPointLight.frag). Included by lightShadows.frag.
#def_include
// Tap pattern across the lookup direction, in texels.
const vec2 kPointShadowTaps[5] = vec2[5](vec2(0.0, 0.0), vec2(1.2, 0.4), vec2(-0.4, 1.2), vec2(-1.2, -0.4),
                                         vec2(0.4, -1.2));

// Fraction of a point light that reaches a surface point. `fromLight` is the
// world-space offset from the light to the point, `cosIncidence` the cosine
// between the geometric normal and the direction to the light, `faceSize` the
// texel count across one cube face.
float PointShadow(samplerCube distances, vec3 fromLight, float cosIncidence, float faceSize)
{
    float distance = length(fromLight);
    if (distance < 1e-4)
        return 1.0;
    vec3 direction = fromLight / distance;
    // One texel of a 90-degree face spans 2 / faceSize units at distance 1.
    float texelAngle = 2.0 / faceSize;
    float texelWorld = distance * texelAngle;
    // Neighbouring taps on a tilted surface sit nearer or farther by the
    // tangent of the incidence angle per texel; grazing angles are capped so
    // that shadows stay attached to their casters.
    float cosine = clamp(cosIncidence, 0.05, 1.0);
    float slope = min(sqrt(1.0 - cosine * cosine) / cosine, 4.0);
    float bias = texelWorld * (1.0 + 2.5 * slope) + 0.02;

    vec3 side = normalize(cross(direction, abs(direction.y) < 0.99 ? vec3(0.0, 1.0, 0.0) : vec3(1.0, 0.0, 0.0)));
    vec3 up = cross(direction, side);
    float lit = 0.0;
    for (int i = 0; i < 5; ++i)
    {
        vec2 tap = kPointShadowTaps[i] * texelAngle;
        float nearest = texture(distances, direction + side * tap.x + up * tap.y).r;
        lit += distance - bias <= nearest ? 1.0 : 0.0;
    }
    return lit / 5.0;
}
#def_source
