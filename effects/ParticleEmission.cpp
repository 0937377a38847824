#include "effects/ParticleEmission.h"

#include <algorithm>
#include <cmath>

ParticleEmission AccountEmission(float accumulator, float dt, int32_t rate, int32_t capacity)
{
    if (rate <= 0)
        return {};
    const float held = accumulator + dt;
    const float interval = 1.0f / float(rate);
    if (!(held > interval))
        return {0, held};
    const float whole = std::trunc(held / interval);
    return {int32_t(std::min(whole, float(capacity))), held - whole * interval};
}

int FirstLastingWarmUpStep(int steps, float step, float longestLife)
{
    const int kSpareSteps = 10;
    if (!(step > 0.0f) || !(longestLife < float(steps) * step))
        return 0;
    const int lasting = int(std::ceil(std::max(longestLife, 0.0f) / step)) + kSpareSteps;
    return std::max(0, steps - lasting);
}
