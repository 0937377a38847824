#pragma once

// What the C++ side and the lit shaders must agree on. The shaders take the
// counts from "lightCounts.glsl", which a test holds to these numbers. Texture
// units cannot be written into a GLSL 3.30 source (binding layouts need 4.20):
// the samplers are pointed at them by upload, so they are named here only.

// The sun's shadow cascades.
constexpr int kCascadeCount = 4;
// At most three point lights light one draw.
constexpr int kMaxPointLightsPerDraw = 3;

// Material maps: diffuse, normal, specular and glow.
constexpr int kDiffuseUnit = 0, kNormalUnit = 14, kSpecularUnit = 15, kGlowUnit = 16;
// Cascade i is read from unit 3 + i, the cube of shadowed point light i from unit 7 + i.
constexpr int kFirstCascadeUnit = 3;
constexpr int kFirstPointShadowUnit = 7;
