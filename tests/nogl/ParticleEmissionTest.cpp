#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>

#include "effects/ParticleEmission.h"

namespace
{
const int32_t kCapacity = 100000;
}

TEST(ParticleEmissionTest, ThreeThousandPerSecondGivesNinetyPerWarmUpStepWithNothingLeft)
{
    ParticleEmission step;
    for (int i = 0; i < 1000; ++i)
    {
        step = AccountEmission(step.accumulator, 0.03f, 3000, kCapacity);
        ASSERT_EQ(step.count, 90) << "step " << i;
        ASSERT_EQ(step.accumulator, 0.0f) << "step " << i;
    }
}

TEST(ParticleEmissionTest, FractionsCarryOverSoTheTotalFollowsTheRate)
{
    // 1234 per second at 60 frames a second: 20.57 flakes a frame.
    ParticleEmission step;
    int64_t emitted = 0;
    for (int i = 1; i <= 6000; ++i)
    {
        step = AccountEmission(step.accumulator, 1.0f / 60.0f, 1234, kCapacity);
        emitted += step.count;
        ASSERT_LE(std::abs(double(emitted) - 1234.0 * i / 60.0), 1.0) << "step " << i;
    }
    // 2.6 intervals held: two whole flakes now, the 0.6 carried (never a flake
    // ahead of time, which would leave a debt).
    const ParticleEmission part = AccountEmission(0.0f, 0.0026f, 1000, kCapacity);
    EXPECT_EQ(part.count, 2);
    EXPECT_NEAR(part.accumulator, 0.0006f, 1e-6f);
}

TEST(ParticleEmissionTest, ExactlyOneIntervalHeldEmitsNothingYet)
{
    const float interval = 1.0f / 3000.0f;
    const ParticleEmission held = AccountEmission(0.0f, interval, 3000, kCapacity);
    EXPECT_EQ(held.count, 0);
    EXPECT_EQ(held.accumulator, interval);
    EXPECT_EQ(AccountEmission(interval, 0.0f, 3000, kCapacity).count, 0);
    EXPECT_EQ(AccountEmission(held.accumulator, 1e-6f, 3000, kCapacity).count, 1);
}

TEST(ParticleEmissionTest, NoRateOrAFloodStaysWithinBoundsAndRaisesNoFloatingPointFault)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    for (int32_t rate : {0, -5})
    {
        const ParticleEmission none = AccountEmission(0.5f, 10.0f, rate, kCapacity);
        EXPECT_EQ(none.count, 0);
        EXPECT_EQ(none.accumulator, 0.0f) << "a rate set later starts without a burst";
    }
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW));

    const ParticleEmission flood = AccountEmission(0.0f, 1000.0f, 2000000000, kCapacity);
    EXPECT_EQ(flood.count, kCapacity);
    EXPECT_LT(std::abs(flood.accumulator), 1e-3f) << "what the buffers could not take is not owed";
}

TEST(ParticleEmissionTest, WarmUpSimulatesOnlyTheStepsWhoseFlakesCanLast)
{
    // Ten-second flakes over a 30 s warm-up: the last 334 steps and a few to spare.
    const int first = FirstLastingWarmUpStep(1000, 0.03f, 10.0f);
    EXPECT_LE(first, 1000 - 334);
    EXPECT_GE(first, 1000 - 350);
    // Flakes that outlive the warm-up, odd lives and odd steps simulate everything.
    for (float life : {30.0f, 1000.0f, INFINITY, NAN})
        EXPECT_EQ(FirstLastingWarmUpStep(1000, 0.03f, life), 0) << life;
    EXPECT_EQ(FirstLastingWarmUpStep(1000, 0.0f, 10.0f), 0);
    EXPECT_EQ(FirstLastingWarmUpStep(1000, 0.03f, -5.0f), 990);
}
