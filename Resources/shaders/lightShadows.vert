#version 330 core
// Lit, shadow-receiving objects: world-space position and tangent frame for
// the fragment stage, and (where the sun lights the draw: LIT_SUN) the
// position in each cascade's light clip space.

#include "lightCounts.glsl"

layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec2 inTexCoord;
layout(location = 2) in vec3 inNormal;
layout(location = 3) in vec3 inTangent;   // zero when the model has none
layout(location = 4) in vec3 inBitangent;

uniform mat4 gMVP;
uniform mat4 gModelMat;
#ifdef LIT_SUN
uniform mat4 gLightMVP[CASCADE_COUNT];
uniform vec2 gShadowMapSize;
#endif
uniform float gTextureRepeat;

out vec2 vTexCoord;
out vec3 vWorldPos;
out vec3 vNormal;
out vec3 vTangent;
out vec3 vBitangent;
#ifdef LIT_SUN
out vec4 vLightClipPos[CASCADE_COUNT];
#endif
out float vClipDepth; // clip-space z before the divide, for choosing a cascade
out float vViewDepth;

#ifdef LIT_SUN
// How far along its normal a point is pushed before it is looked up in a
// cascade, in that cascade's texels: enough to keep tilted surfaces from
// shading themselves between the comparison taps, too little to detach shadows.
const float kNormalOffsetTexels = 1.0;

// Size of one cascade texel in model units, along its longer side: the
// cascade's light-space x and y axes, taken back through the model matrix,
// each span 2 clip units over the map's width and height.
float CascadeTexelInModelUnits(mat4 lightMVP)
{
    vec2 clipPerUnit = vec2(length(vec3(lightMVP[0][0], lightMVP[1][0], lightMVP[2][0])),
                            length(vec3(lightMVP[0][1], lightMVP[1][1], lightMVP[2][1])));
    vec2 texel = 2.0 / max(clipPerUnit * gShadowMapSize, vec2(1e-6));
    return max(texel.x, texel.y);
}
#endif

void main()
{
    vec4 position = vec4(inPosition, 1.0);
    gl_Position = gMVP * position;
    vClipDepth = gl_Position.z;
    vViewDepth = gl_Position.w;
    vTexCoord = inTexCoord * gTextureRepeat;
    vWorldPos = (gModelMat * position).xyz;

    mat3 normalMatrix = transpose(inverse(mat3(gModelMat)));
    vNormal = normalMatrix * inNormal;
    vTangent = mat3(gModelMat) * inTangent;
    vBitangent = mat3(gModelMat) * inBitangent;

#ifdef LIT_SUN
    for (int i = 0; i < CASCADE_COUNT; ++i)
    {
        vec3 offset = inNormal * CascadeTexelInModelUnits(gLightMVP[i]) * kNormalOffsetTexels;
        vLightClipPos[i] = gLightMVP[i] * vec4(inPosition + offset, 1.0);
    }
#endif
}
