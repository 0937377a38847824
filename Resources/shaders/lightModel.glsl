// Light records as the lit program receives them, and the shading of one
// surface point by one light. Included by lightShadows.frag.
#def_include
struct BaseLight
{
    vec3 Color;
    float AmbientIntensity;
    float DiffuseIntensity;
};

struct DirectionalLight
{
    BaseLight Base;
    vec3 Direction; // the direction in which the light travels
};

struct Attenuation
{
    float Constant;
    float Linear;
    float Exp;
};

struct PointLight
{
    BaseLight Base;
    vec3 Position;
    Attenuation Atten;
    int ShadowMapEnabled;
    samplerCube ShadowMap; // world-space distance to the nearest caster, per direction
};

// One shaded point: its position, the shading normal (normal-mapped), the
// geometric normal (for shadow biasing), the direction to the eye and the
// strength and sharpness of its highlight.
struct Surface
{
    vec3 position;
    vec3 normal;
    vec3 geometricNormal;
    vec3 toEye;
    float specularStrength;
    float specularPower;
};

// Light arriving at a surface, kept apart so that only the diffuse part is
// tinted by the surface colour.
struct LightSum
{
    vec3 diffuse;
    vec3 specular;
};

// Lambert diffuse and Blinn-Phong highlight from a light in direction `toLight`.
LightSum Shade(BaseLight light, vec3 toLight, Surface s)
{
    float lambert = max(dot(s.normal, toLight), 0.0);
    vec3 halfway = normalize(toLight + s.toEye);
    float highlight = lambert > 0.0 ? pow(max(dot(s.normal, halfway), 0.0), s.specularPower) : 0.0;
    vec3 radiance = light.Color * light.DiffuseIntensity;
    return LightSum(radiance * lambert, radiance * highlight * s.specularStrength);
}

float AttenuationAt(Attenuation atten, float distance)
{
    return max(atten.Constant + atten.Linear * distance + atten.Exp * distance * distance, 1e-4);
}
#def_source
