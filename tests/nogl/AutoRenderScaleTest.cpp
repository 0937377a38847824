#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "effects/AutoRenderScale.h"

namespace
{
// A frame that costs `fixedMs` whatever the scale plus `scaledMs` at full size,
// shrinking with the pixel count.
struct FrameCost
{
    float fixedMs;
    float scaledMs;

    float At(float scale) const { return fixedMs + scaledMs * scale * scale; }
};

struct ScaleRun
{
    std::vector<float> scales;   // each frame's scale
    std::vector<float> frameMs;  // each frame's time
    std::vector<size_t> changes; // the frames after which the scale changed
};

// `frames` frames under the automatic scale, from `scale`, each costing what
// `cost` says for its frame number and scale.
ScaleRun Drive(float scale, float targetMs, int frames, const std::function<float(int, float)>& cost)
{
    AutoScaleState state;
    ScaleRun run;
    for (int frame = 0; frame < frames; ++frame)
    {
        const float ms = cost(frame, scale);
        run.scales.push_back(scale);
        run.frameMs.push_back(ms);
        const float next = NextRenderScale(state, ms, scale, targetMs);
        if (next != scale)
            run.changes.push_back(size_t(frame));
        scale = next;
    }
    return run;
}

// No two changes less than a second of frames apart, and the last ones all
// in one direction (no swinging between two scales).
void ExpectSettledCalmly(const ScaleRun& run)
{
    for (size_t i = 1; i < run.changes.size(); ++i)
    {
        float between = 0.0f;
        for (size_t frame = run.changes[i - 1] + 1; frame <= run.changes[i]; ++frame)
            between += run.frameMs[frame];
        EXPECT_GE(between, kAutoScaleWaitMs) << "changes after frames " << run.changes[i - 1] << " and "
                                             << run.changes[i];
    }
    for (size_t i = 2; i < run.changes.size(); ++i)
    {
        const float before = run.scales[run.changes[i - 1]], at = run.scales[run.changes[i - 1] + 1];
        const float after = run.scales[run.changes[i] + 1];
        EXPECT_FALSE((at - before) * (after - at) < 0.0f && std::fabs(after - before) < 1e-6f)
            << "back to " << before << " after frame " << run.changes[i];
    }
}

float MeanOfLast(const std::vector<float>& values, size_t count)
{
    float sum = 0.0f;
    for (size_t i = values.size() - count; i < values.size(); ++i)
        sum += values[i];
    return sum / float(count);
}
}

TEST(AutoRenderScaleTest, ASteadyLoadSettlesWithinTheBandAndStaysThere)
{
    for (const FrameCost cost : {FrameCost{30.0f, 900.0f}, FrameCost{0.0f, 400.0f}, FrameCost{60.0f, 120.0f}})
    {
        const ScaleRun run = Drive(1.0f, 100.0f, 600, [&](int, float scale) { return cost.At(scale); });
        ExpectSettledCalmly(run);
        ASSERT_FALSE(run.changes.empty());
        EXPECT_LT(run.changes.back(), 300u) << "settled within half the run";
        const float held = MeanOfLast(run.frameMs, 100);
        EXPECT_LE(held, 100.0f * (1.0f + kAutoScaleBand)) << cost.fixedMs;
        EXPECT_GE(held, 100.0f * (1.0f - kAutoScaleBand) - cost.scaledMs * 0.07f) << "within a step of the band";
    }
    // A frame that the smallest scale cannot bring to the target stays at it, unchanged.
    const FrameCost tooHeavy{150.0f, 400.0f};
    const ScaleRun atFloor = Drive(0.25f, 100.0f, 300, [&](int, float scale) { return tooHeavy.At(scale); });
    EXPECT_TRUE(atFloor.changes.empty());
    // A frame already within the band is left alone, at any scale.
    EXPECT_TRUE(Drive(0.6f, 100.0f, 300, [](int, float) { return 104.0f; }).changes.empty());
}

TEST(AutoRenderScaleTest, AStepInTheLoadIsFollowedBothWays)
{
    const FrameCost light{20.0f, 60.0f}, heavy{40.0f, 800.0f};
    const auto cost = [&](int frame, float scale) { return (frame >= 200 && frame < 500 ? heavy : light).At(scale); };
    const ScaleRun run = Drive(1.0f, 100.0f, 800, cost);
    ExpectSettledCalmly(run);
    EXPECT_FLOAT_EQ(run.scales[199], 1.0f) << "the light load takes 80 ms at full size: inside the band";
    EXPECT_LT(run.scales[499], 0.4f);
    EXPECT_NEAR(MeanOfLast(std::vector<float>(run.frameMs.begin(), run.frameMs.begin() + 500), 50), 100.0f, 12.0f);
    EXPECT_GT(run.scales.back(), 0.55f) << "raised again once the load is gone";
    EXPECT_LE(MeanOfLast(run.frameMs, 50), 110.0f);
}

TEST(AutoRenderScaleTest, NoisyFramesDoNotMakeItSwing)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> jitter(0.7f, 1.3f);
    std::bernoulli_distribution hitch(0.05);
    const FrameCost cost{30.0f, 500.0f};
    const ScaleRun run = Drive(1.0f, 100.0f, 2000, [&](int, float scale) {
        return cost.At(scale) * jitter(random) * (hitch(random) ? 4.0f : 1.0f);
    });
    ExpectSettledCalmly(run);
    EXPECT_LE(run.changes.size(), 6u);
    EXPECT_NEAR(run.scales.back(), std::sqrt((100.0f - cost.fixedMs) / cost.scaledMs), 0.08f);
}

TEST(AutoRenderScaleTest, IgnoresFramesOfNoOrUnknownLength)
{
    AutoScaleState state;
    for (float ms : {0.0f, -5.0f, NAN, INFINITY})
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(NextRenderScale(state, ms, 0.5f, 100.0f), 0.5f);
    EXPECT_TRUE(state.frameMs.empty());
    EXPECT_EQ(NextRenderScale(state, 500.0f, 0.5f, 0.0f), 0.5f) << "no target, no change";
}
