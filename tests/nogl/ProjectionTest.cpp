// A window collapsed to nothing (or reported with a negative size) must not
// put infinities into the projections or the cascade boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "core/Projection.h"
#include "scene/CascadeFit.h"

namespace
{
bool AllFinite(const Matrix4& m)
{
    for (const auto& row : m.m)
        for (float value : row)
            if (!std::isfinite(value))
                return false;
    return true;
}
}

TEST(ProjectionTest, ACollapsedWindowKeepsProjectionsAndCascadesFinite)
{
    for (const auto& [width, height] : {std::pair{0, 0}, {1, 1}, {1600, 0}, {0, 900}, {-5, -5}})
    {
        const float aspect = AspectRatio(width, height);
        EXPECT_TRUE(std::isfinite(aspect) && aspect > 0.0f) << width << "x" << height;
        EXPECT_TRUE(AllFinite(MakePerspective(80.0f, aspect, 0.5f, 1500.0f))) << width << "x" << height;
        EXPECT_TRUE(AllFinite(MakeOrthoProjection(width, height))) << width << "x" << height;
        const CascadeBox box = FitCascade(Matrix4::Identity(), glm::normalize(glm::vec3(1.0f, -1.0f, 0.2f)), aspect,
                                          80.0f, 0.5f, 70.0f);
        for (float side : box)
            EXPECT_TRUE(std::isfinite(side)) << width << "x" << height;
    }
    EXPECT_FLOAT_EQ(AspectRatio(1600, 900), 1600.0f / 900.0f);
}
