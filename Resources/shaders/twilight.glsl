// How near the sun is to setting, shared by the sky and the lit surfaces so
// that the sky's dusk band and the snow's flush come and go together.
// Included by SkyboxDynamic.frag and lightShadows.frag.
#def_include
// 1 with the sun just above the horizon, falling to 0 by about 17 degrees
// above or below it; `sunHeight` is the sine of the sun's elevation.
float TwilightFlush(float sunHeight)
{
    return 1.0 - smoothstep(0.0, 0.3, abs(sunHeight - 0.03));
}
#def_source
