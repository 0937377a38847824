#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include "core/CRenderSettings.h"
#include "core/Projection.h"
#include "scene/CascadeFit.h"
#include "scene/SceneAnimation.h"

TEST(CascadeFitTest, EveryCascadeBoxHoldsItsFrustumSlice)
{
    const auto& splits = CRenderSettings::GetInstance().cascadeSplits;
    const glm::mat4 view = glm::lookAt(glm::vec3(0, 25, -43.3f), glm::vec3(0), glm::vec3(0, 1, 0));
    for (float timeOfDay : {36.5f, 0.001f, 95.0f, 200.0f})
    {
        const glm::vec3 light = SunDirection(timeOfDay);
        for (int i = 0; i < 4; ++i)
        {
            const CascadeBox box =
                FitCascade(Matrix4::FromGlm(view), light, 16.0f / 9.0f, 80.0f, splits[i], splits[i + 1]);
            // The slice's corners, found independently through the inverse of a slice projection.
            const glm::mat4 toWorld = glm::inverse(
                glm::perspective(glm::radians(80.0f), 16.0f / 9.0f, splits[i], splits[i + 1]) * view);
            for (float x : {-1.0f, 1.0f})
                for (float y : {-1.0f, 1.0f})
                    for (float z : {-1.0f, 1.0f})
                    {
                        const glm::vec4 world = toWorld * glm::vec4(x, y, z, 1.0f);
                        const glm::vec4 p = MakeLightView(light) * (world / world.w);
                        const float tolerance = 1e-3f * (1.0f + glm::length(glm::vec3(world / world.w)));
                        EXPECT_TRUE(p.x <= box[0] + tolerance && p.x >= box[1] - tolerance &&
                                    p.y >= box[2] - tolerance && p.y <= box[3] + tolerance &&
                                    -p.z >= box[4] - tolerance && -p.z <= box[5] + tolerance)
                            << "cascade " << i << " at time " << timeOfDay;
                    }
            EXPECT_TRUE(box[1] < box[0] && box[2] < box[3] && box[4] < box[5]);
        }
    }
}

TEST(CascadeFitTest, BoxesAlwaysReachTheLightPlaneThroughTheOrigin)
{
    // Sun along +x: light-space x is world z. A camera far down -z sees only
    // negative light-space x, so the right edge stays at the smallest positive float.
    const glm::mat4 view = glm::lookAt(glm::vec3(0, 0, -500), glm::vec3(0, 0, -600), glm::vec3(0, 1, 0));
    const CascadeBox box = FitCascade(Matrix4::FromGlm(view), glm::vec3(1, 0, 0), 1.0f, 60.0f, 1.0f, 50.0f);
    EXPECT_EQ(box[0], 1.1754944e-38f);
    EXPECT_LT(box[1], -500.0f);
    EXPECT_GT(box[3], 0.0f);
}

TEST(CascadeFitTest, CascadeEndDepthsGrowWithTheCascade)
{
    const Matrix4 projection = MakePerspective(80.0f, 16.0f / 9.0f, 0.5f, 1500.0f);
    const auto& splits = CRenderSettings::GetInstance().cascadeSplits;
    for (int i = 2; i <= 4; ++i)
        EXPECT_GT(ClipSpaceDepth(projection, splits[i]), ClipSpaceDepth(projection, splits[i - 1]));
    // At the far plane the clip-space depth equals w, so depth / w is 1.
    EXPECT_NEAR(ClipSpaceDepth(projection, 1500.0f) / 1500.0f, 1.0f, 1e-5f);
    EXPECT_EQ(MakeCascadeProjection({4, -2, -3, 5, 1, 9}).ToGlm(), glm::ortho(-2.0f, 4.0f, -3.0f, 5.0f, 1.0f, 9.0f));
}
