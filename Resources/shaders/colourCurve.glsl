// The one colour curve of the frame, both ways: images store sRGB-encoded
// display colours, the scene and effect targets hold linear light, and the
// composite encodes the picture with the same curve, so a texel read and
// shown unlit at exposure 1 comes back as itself.
#def_include
// The sRGB decode: linear below 0.04045, ((c + 0.055) / 1.055)^2.4 above. The
// power is x^2 times x^0.4, and x^0.4 a quadratic in x^(1/4) (two square
// roots): within 0.05% of the exact curve everywhere, so the encode takes
// every 8-bit level back to itself.
vec3 SrgbToLinear(vec3 colour)
{
    vec3 x = colour * (1.0 / 1.055) + 0.055 / 1.055;
    vec3 root = sqrt(sqrt(x));
    vec3 curve = x * x * (-0.072526 + root * (0.533413 + root * 0.539551));
    return mix(colour * (1.0 / 12.92), curve, step(0.04045, colour));
}

// The sRGB encode, exact; light outside [0, 1] is clamped first.
vec3 LinearToSrgb(vec3 colour)
{
    colour = clamp(colour, 0.0, 1.0);
    return mix(colour * 12.92, 1.055 * pow(colour, vec3(1.0 / 2.4)) - 0.055, step(0.0031308, colour));
}
#def_source
