#version 330 core
// Lit, shadow-receiving objects: the sun (diffuse, highlight, ambient) through
// four shadow cascades, up to three attenuated point lights with cube shadows,
// and normal, specular and glow maps. The result is linear HDR.
//
// The program is built in variants by what a draw needs: LIT_SUN (the sun's
// light and its cascades), LIT_MOON (the moonlight), LIT_LAMPS (the point
// lights and their cubes), LIT_ALPHA_TEST (holes in the diffuse image) and
// LIT_GLOW_MAP (a mesh with glow maps). A variant leaves out only terms that
// are exactly zero where it is used; core/LightingState picks its light.

#include "lightCounts.glsl"
#include "sceneOutputs.glsl"
#include "lightModel.glsl"
#include "cascadeShadows.glsl"
#include "pointShadows.glsl"
#include "twilight.glsl"

uniform DirectionalLight gDirLight;
#ifdef LIT_LAMPS
uniform PointLight gPointLights[POINT_LIGHT_SLOTS];
uniform int gNumPointLights;
#endif
uniform vec3 gCameraPos;
uniform float gSpecularPower;

uniform sampler2D gSampler;
uniform sampler2D gNormalMap;
uniform sampler2D gSpecularMap;
uniform int gNormalMapEnabled;
uniform int gSpecularMapEnabled;
#ifdef LIT_GLOW_MAP
uniform sampler2D gGlowMap;
uniform int gGlowMapEnabled;
#endif

#ifdef LIT_SUN
uniform sampler2DShadow gShadowMapDir[CASCADE_COUNT];
#endif
uniform float gShadowMapCascadeEndClipSpace[CASCADE_COUNT];
uniform vec2 gShadowMapSize;
uniform float gDebugShowCSM;

in vec2 vTexCoord;
in vec3 vWorldPos;
in vec3 vNormal;
in vec3 vTangent;
in vec3 vBitangent;
#ifdef LIT_SUN
in vec4 vLightClipPos[CASCADE_COUNT];
#endif
in float vClipDepth;
in float vViewDepth;

// Highlight strength where the material has no specular map.
const float kDefaultSpecular = 0.1;
// Glow maps hold colours up to 1; lit lantern windows and candles are light
// sources, pushed well above the bloom threshold.
const float kGlowStrength = 12.0;
// Texels whose diffuse alpha is below this are holes (grass blades, leaves).
const float kAlphaCutoff = 0.5;
const vec3 kMoonColour = vec3(0.55, 0.68, 1.0);
const float kMoonIntensity = 0.08;
// Light from the sky dome at the default ambient intensity of 0.1: blue by
// day, with an orange-pink flush while the sun is near the horizon, dim blue
// at night. Surfaces facing the ground get the snow's paler bounce instead.
const vec3 kDaySky = vec3(0.10, 0.17, 0.36);
const vec3 kTwilightSky = vec3(0.13, 0.06, 0.05);
const vec3 kNightSky = vec3(0.022, 0.03, 0.05);
const float kGroundBounce = 0.55;
const float kReferenceAmbient = 0.1;
// Sunlight on snow is white with a faint warmth.
const vec3 kSunWarmth = vec3(1.0, 0.95, 0.86);
// Air between the eye and far terrain: half the light is replaced by the
// sky's haze after this many units.
const float kHazeHalfDistance = 420.0;
// Bare rock shows through the snow on slopes steeper than about 40 degrees.
const vec3 kRockColour = vec3(0.085, 0.078, 0.072);
const float kRockSlopeStart = 0.78;
const float kRockSlopeFull = 0.6;

vec3 GeometricNormal()
{
    vec3 n = normalize(vNormal);
    return gl_FrontFacing ? n : -n; // nothing is culled: the back of a blade faces the eye too
}

// The geometric normal bent by the normal map, when the material has one and
// the model has a tangent frame.
vec3 ShadingNormal(vec3 n)
{
    if (gNormalMapEnabled == 0 || dot(vTangent, vTangent) < 1e-12 || dot(vBitangent, vBitangent) < 1e-12)
        return n;
    vec3 t = vTangent - n * dot(n, vTangent);
    if (dot(t, t) < 1e-12)
        return n;
    t = normalize(t);
    vec3 b = cross(n, t) * (dot(cross(n, t), vBitangent) < 0.0 ? -1.0 : 1.0);
    vec3 m = texture(gNormalMap, vTexCoord).xyz * 2.0 - 1.0;
    return normalize(mat3(t, b, n) * m);
}

// Sampler arrays take only constant indices, so each cascade and each lamp slot
// is read by name below: a change of either count must change those lines too.
#if CASCADE_COUNT != 4 || POINT_LIGHT_SLOTS != 3
#error the cascades and the lamp slots are spelt out one by one below
#endif

#ifdef LIT_SUN
// The fragment's place in a cascade's map.
vec3 CascadePlace(int cascade)
{
    vec4 clip = cascade == 0 ? vLightClipPos[0] : cascade == 1 ? vLightClipPos[1]
              : cascade == 2 ? vLightClipPos[2] : vLightClipPos[3];
    return CascadeMapCoord(clip);
}

// One cascade map's taps for the fragment: the map serves either the
// fragment's own cascade (at `here`) or the next one that it hands over to (at
// `next`), never both. A map that serves neither gets no taps, and its loop
// does not run (a software rasterizer shades fragments in groups, runs both
// sides of every branch, and skips only the loop iterations that no fragment
// of the group needs).
float CascadeMapLit(sampler2DShadow map, int index, int cascade, vec3 here, vec3 next, ivec2 taps, vec2 texel)
{
    bool own = index == cascade;
    return CascadeLitTaps(map, own ? here : next, texel, own ? taps.x : (index == cascade + 1 ? taps.y : 0));
}

// Fraction of the sun that reaches the fragment: the kernel of its own
// cascade when it faces the sun, handed over to the next cascade's near the
// cascade's far end (where the next map holds the fragment); no taps at all
// when it faces away. Samplers of an array can only be picked by constant
// indices, so each map has its own call.
float SunShadow(int cascade, bool facingSun)
{
    vec3 here = CascadePlace(cascade);
    vec3 next = CascadePlace(min(cascade + 1, CASCADE_COUNT - 1));
    float handOver = facingSun ? CascadeHandOver(vClipDepth, cascade, gShadowMapCascadeEndClipSpace) : 0.0;
    handOver = InsideCascade(next) ? handOver : 0.0;
    ivec2 taps = ivec2(facingSun && cascade >= 0 && InsideCascade(here) ? kCascadeTaps : 0,
                       handOver > 0.0 ? kCascadeTaps : 0);
    vec2 texel = 1.0 / gShadowMapSize;
    float lit0 = CascadeMapLit(gShadowMapDir[0], 0, cascade, here, next, taps, texel);
    float lit1 = CascadeMapLit(gShadowMapDir[1], 1, cascade, here, next, taps, texel);
    float lit2 = CascadeMapLit(gShadowMapDir[2], 2, cascade, here, next, taps, texel);
    float lit3 = CascadeMapLit(gShadowMapDir[3], 3, cascade, here, next, taps, texel);
    float hereLit = cascade == 0 ? lit0 : cascade == 1 ? lit1 : cascade == 2 ? lit2 : lit3;
    float nextLit = cascade == 0 ? lit1 : cascade == 1 ? lit2 : lit3;
    float hereShadow = taps.x > 0 ? hereLit / float(taps.x) : 1.0;
    float nextShadow = taps.y > 0 ? nextLit / float(taps.y) : 1.0;
    return mix(hereShadow, nextShadow, handOver);
}
#endif

#ifdef LIT_LAMPS
LightSum PointLightTerm(BaseLight base, vec3 position, Attenuation atten, int castsShadow, samplerCube distances,
                        Surface s, float share)
{
    vec3 fromLight = s.position - position;
    float distance = length(fromLight);
    vec3 toLight = -fromLight / max(distance, 1e-4);
    LightSum direct = Shade(base, toLight, s);
    float falloff = share / AttenuationAt(atten, distance);
    // The cube lookups are the costly part: none where the light adds less
    // than a step of an 8-bit channel anyway (beyond its reach, or by day).
    vec3 reachable = direct.diffuse + direct.specular;
    float reach = max(reachable.r, max(reachable.g, reachable.b));
    int taps = castsShadow != 0 && reach * falloff > 1.0 / 512.0 ? kPointShadowTaps : 0;
    float shadow = PointShadow(distances, fromLight, s.geometricNormal, max(gShadowMapSize.x, gShadowMapSize.y), taps);
    vec3 ambient = base.Color * base.AmbientIntensity;
    return LightSum((ambient + direct.diffuse * shadow) * falloff, direct.specular * shadow * falloff);
}
#endif

#ifdef LIT_MOON
// Once the sun is below the horizon, a cool, shadowless moonlight from the
// opposite side of the sky keeps the snow readable.
LightSum MoonLight(Surface s)
{
    float night = smoothstep(-0.05, 0.2, gDirLight.Direction.y); // the sun's light travels upwards at night
    BaseLight moon = BaseLight(kMoonColour * night, 0.0, kMoonIntensity);
    return Shade(moon, normalize(gDirLight.Direction), s);
}
#endif

// The sine of the sun's elevation.
float SunHeight()
{
    return -normalize(gDirLight.Direction).y;
}

// The sun's light fades out as its disc sinks below the horizon and is gone,
// exactly, at a height of -0.1 (about 6 degrees below it).
float SunAboveHorizon()
{
    return smoothstep(-0.1, 0.0, SunHeight());
}

// How far the day has come, from the sun's height: x is 0 at night and 1 by
// day, y the flush while the sun is near the horizon.
vec2 DayPhase()
{
    float sunHeight = SunHeight();
    return vec2(smoothstep(-0.1, 0.3, sunHeight), TwilightFlush(sunHeight));
}

// The lamps' records give their strength against the night. By day the sun
// outshines a small flame many times over, and the exposure is the sun's: the
// lamps' light fades out as the sunlight on level ground grows (the sun from
// about 3 to 20 degrees high), and is whole from sunset on.
float LampShare()
{
    float daylight = max(SunHeight(), 0.0) * gDirLight.Base.DiffuseIntensity * Luminance(gDirLight.Base.Color);
    return 1.0 - smoothstep(0.04, 0.28, daylight);
}

vec3 SkyColour(vec2 phase, vec3 night, vec3 day, vec3 twilight)
{
    return mix(night, day, phase.x) + twilight * phase.y;
}

// Far terrain takes the sky's colour near the horizon: a clear blue by day, rose
// at dusk, deep blue at night.
vec3 AddHaze(vec3 colour, float viewDepth, vec2 phase)
{
    vec3 haze = SkyColour(phase, vec3(0.006, 0.009, 0.02), vec3(0.50, 0.64, 0.88), vec3(0.3, 0.14, 0.12));
    return mix(haze, colour, exp2(-viewDepth / kHazeHalfDistance));
}

// A value in [0, 1) that changes from one cell of the ground to the next, from
// products of fractions alone: a sine's precision differs between GPUs.
float CellHash(vec2 cell)
{
    vec3 p = fract(cell.xyx * 0.1031);
    p += dot(p, p.yzx + 33.33);
    return fract((p.x + p.y) * p.z);
}

// Snow-white surfaces give way to rock where the ground is steep, with a
// ragged edge from a hash of the 2 x 2 unit cell.
vec3 RockOnSteepSnow(vec3 albedo, vec3 normal, vec3 position)
{
    float whiteness = smoothstep(0.6, 0.8, min(albedo.r, min(albedo.g, albedo.b)));
    float ragged = CellHash(floor(position.xz * 0.5)) * 0.08;
    float rock = smoothstep(kRockSlopeStart, kRockSlopeFull, normal.y + ragged) * whiteness;
    return mix(albedo, kRockColour, rock);
}

vec3 SkyAmbient(vec3 normal, vec2 phase)
{
    vec3 sky = SkyColour(phase, kNightSky, kDaySky, kTwilightSky);
    float facingUp = normal.y * 0.5 + 0.5;
    return sky * mix(kGroundBounce, 1.0, facingUp) * (gDirLight.Base.AmbientIntensity / kReferenceAmbient);
}

#ifdef LIT_LAMPS
// One slot's light term; a macro because the slot's cube sampler must be named with a constant index.
#define POINT_LIGHT(i) PointLightTerm(gPointLights[i].Base, gPointLights[i].Position, gPointLights[i].Atten, gPointLights[i].ShadowMapEnabled, gPointLights[i].ShadowMap, s, lampShare)
#endif

void Accumulate(inout LightSum total, LightSum term)
{
    total.diffuse += term.diffuse;
    total.specular += term.specular;
}

// The sun's light on the surface through its cascades' shadows.
#ifdef LIT_SUN
LightSum SunLight(Surface s, int cascade)
{
    BaseLight sunLight = gDirLight.Base;
    sunLight.Color *= kSunWarmth * SunAboveHorizon();
    LightSum sun = Shade(sunLight, normalize(-gDirLight.Direction), s);
    // Surfaces turned away from the sun (and everything at night) need no lookups.
    float shadow = SunShadow(cascade, any(greaterThan(sun.diffuse, vec3(0.0))));
    return LightSum(sun.diffuse * shadow, sun.specular * shadow);
}
#endif

void main()
{
    vec4 albedo = texture(gSampler, vTexCoord);
#ifdef LIT_ALPHA_TEST
    if (albedo.a < kAlphaCutoff)
        discard;
#endif

    Surface s;
    s.position = vWorldPos;
    s.geometricNormal = GeometricNormal();
    s.normal = ShadingNormal(s.geometricNormal);
    s.toEye = normalize(gCameraPos - vWorldPos);
    s.specularStrength = gSpecularMapEnabled != 0 ? texture(gSpecularMap, vTexCoord).r : kDefaultSpecular;
    s.specularPower = gSpecularPower;

    int cascade = ChooseCascade(vClipDepth, gShadowMapCascadeEndClipSpace);
    vec2 phase = DayPhase();
    LightSum total = LightSum(SkyAmbient(s.normal, phase), vec3(0.0));
#ifdef LIT_SUN
    Accumulate(total, SunLight(s, cascade));
#endif
#ifdef LIT_MOON
    Accumulate(total, MoonLight(s));
#endif

#ifdef LIT_LAMPS
    float lampShare = LampShare();
    // Unrolled: each slot's cube sampler needs a constant index.
    if (gNumPointLights > 0)
        Accumulate(total, POINT_LIGHT(0));
    if (gNumPointLights > 1)
        Accumulate(total, POINT_LIGHT(1));
    if (gNumPointLights > 2)
        Accumulate(total, POINT_LIGHT(2));
#endif

    // Material images hold display (sRGB) colours; light is added up in linear terms.
    vec3 surface = RockOnSteepSnow(SrgbToLinear(albedo.rgb), s.geometricNormal, vWorldPos);
    vec3 colour = surface * total.diffuse + total.specular;
#ifdef LIT_GLOW_MAP
    if (gGlowMapEnabled != 0)
        colour += SrgbToLinear(texture(gGlowMap, vTexCoord).rgb) * kGlowStrength;
#endif
    if (cascade >= 0)
        colour *= mix(vec3(1.0), kCascadeTints[cascade], gDebugShowCSM);
    WriteSceneOutputs(AddHaze(colour, vViewDepth, phase), 1.0, vViewDepth);
}
