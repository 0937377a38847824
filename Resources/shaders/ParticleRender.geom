#version 330 core
// A camera-facing square of "gBillboardSize" around each living flake. The
// generator (no life) draws nothing. Flakes fade out over their last moments,
// when they come so close to the camera that they would fill the view, and in
// the distance, where they would shrink below a pixel and sparkle.

layout(points) in;
layout(triangle_strip, max_vertices = 4) out;

in float vLifeTime[];

out vec2 vTexCoord;
out float vFade;

uniform mat4 gProjMatrix;
uniform mat4 gViewMatrix;
uniform float gBillboardSize;

const float kFadeOutTime = 1.0;  // seconds of life left
const float kNearFadeStart = 0.6; // view distances
const float kNearFadeEnd = 3.0;
const float kFarFadeStart = 20.0;
const float kFarFadeEnd = 80.0;

void EmitCorner(vec4 centre, vec2 corner)
{
    gl_Position = gProjMatrix * (centre + vec4(corner * gBillboardSize, 0.0, 0.0));
    vTexCoord = corner + 0.5;
    EmitVertex();
}

void main()
{
    vec4 centre = gViewMatrix * gl_in[0].gl_Position;
    float viewDistance = -centre.z;
    if (vLifeTime[0] <= 0.0 || viewDistance < kNearFadeStart || viewDistance > kFarFadeEnd)
        return;
    vFade = clamp(vLifeTime[0] / kFadeOutTime, 0.0, 1.0) * smoothstep(kNearFadeStart, kNearFadeEnd, viewDistance) *
            (1.0 - smoothstep(kFarFadeStart, kFarFadeEnd, viewDistance));
    EmitCorner(centre, vec2(-0.5, -0.5));
    EmitCorner(centre, vec2(0.5, -0.5));
    EmitCorner(centre, vec2(-0.5, 0.5));
    EmitCorner(centre, vec2(0.5, 0.5));
    EndPrimitive();
}
