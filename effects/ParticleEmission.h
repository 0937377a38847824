#pragma once

#include <cstdint>

// How many flakes one simulation step emits and the fraction of a flake that
// carries over to the next step.
struct ParticleEmission
{
    int32_t count = 0;
    float accumulator = 0.0f;
};

// Adds `dt` seconds to `accumulator` and emits one flake per whole 1 / `rate`
// seconds held (in float, as the step sizes are). Holding exactly one interval
// emits nothing yet. A rate of 0 or less emits nothing and owes nothing, and
// no step emits more than `capacity`.
ParticleEmission AccountEmission(float accumulator, float dt, int32_t rate, int32_t capacity);

// The first of `steps` warm-up steps of `step` seconds whose flakes may still
// be alive when the warm-up ends, for flakes that live at most `longestLife`
// seconds (with a few steps to spare); 0 when every step may matter.
int FirstLastingWarmUpStep(int steps, float step, float longestLife);
