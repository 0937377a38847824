#pragma once

#include "core/Lights.h"

// What the frame's light can reach, decided on the CPU from the sun's record
// before anything is drawn with it. The lit program is built without the terms
// that a state leaves out, and the shadow passes skip maps that no fragment
// then reads. Each part is off only where its term is exactly zero in the lit
// shader, with a margin for the GPU's own rounding.
struct LightingState
{
    bool sun = true;   // the sun lights surfaces and casts cascade shadows
    bool moon = true;  // the moonlight, from the side of the sky opposite the sun
    bool lamps = true; // the point lights add light and their cube shadows are read
};

// The sine of the sun's elevation (the light travels along `Direction`).
float SunHeight(const DirectionalLight& sun);

// How much of the sun's light is left as it sinks: 1 while any of its disc is
// above the horizon, fading to exactly 0 at kSunGoneHeight. The lit shader's
// SunAboveHorizon is the same curve.
float SunAboveHorizon(const DirectionalLight& sun);
constexpr float kSunGoneHeight = -0.1f;

// The moonlight's strength: 0 by day, exactly 0 once the sun is this high.
// The lit shader's MoonLight fades it in by the same curve.
float MoonUp(const DirectionalLight& sun);
constexpr float kMoonGoneSunHeight = 0.05f;

// The lamps' share of their strength: 1 at night, exactly 0 once the sunlight
// on level ground outshines them. The lit shader's LampShare is the same curve.
float LampShare(const DirectionalLight& sun);

LightingState LightingStateOf(const DirectionalLight& sun);
