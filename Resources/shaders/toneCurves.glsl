// The four tone curves of the composite, each mapping linear HDR light to
// linear [0, 1], rising monotonically. Included by PostProcessing.frag.
#def_include
vec3 ToneLinear(vec3 c)
{
    return clamp(c, 0.0, 1.0);
}

vec3 ToneReinhard(vec3 c)
{
    return c / (1.0 + c);
}

// A filmic S-curve: a toe that deepens the shadows and a long shoulder.
vec3 ToneFilmic(vec3 c)
{
    return clamp(c * (2.51 * c + 0.03) / (c * (2.43 * c + 0.59) + 0.14), 0.0, 1.0);
}

// Shoulder, linear section and toe with the white point at 11.2.
vec3 Uncharted2Partial(vec3 x)
{
    const float A = 0.15, B = 0.50, C = 0.10, D = 0.20, E = 0.02, F = 0.30;
    return ((x * (A * x + C * B) + D * E) / (x * (A * x + B) + D * F)) - E / F;
}

vec3 ToneUncharted2(vec3 c)
{
    const float kExposureBias = 2.0;
    const vec3 kWhite = vec3(11.2);
    return clamp(Uncharted2Partial(c * kExposureBias) / Uncharted2Partial(kWhite), 0.0, 1.0);
}

vec3 ToneMap(vec3 colour, int curve)
{
    colour = max(colour, vec3(0.0));
    if (curve == 1)
        return ToneReinhard(colour);
    if (curve == 2)
        return ToneFilmic(colour);
    if (curve == 3)
        return ToneUncharted2(colour);
    return ToneLinear(colour);
}
#def_source
