#include <gtest/gtest.h>

#include "scene/CubeFaces.h"

namespace
{
TEST(CubeFacesTest, SixFacesInCubeMapOrderWithUprightViews)
{
    ASSERT_EQ(CubeFaceTable.size(), 6u);
    const glm::vec3 light(3.0f, -2.0f, 7.0f);
    const Matrix4 projection = MakeCubeFaceProjection(1.0f);
    for (size_t i = 0; i < CubeFaceTable.size(); ++i)
    {
        SCOPED_TRACE(i);
        const CubeFace& face = CubeFaceTable[i];
        EXPECT_EQ(face.target, GLenum(GL_TEXTURE_CUBE_MAP_POSITIVE_X + i));
        EXPECT_FLOAT_EQ(glm::length(face.direction), 1.0f);
        EXPECT_FLOAT_EQ(glm::length(face.up), 1.0f);
        EXPECT_FLOAT_EQ(glm::dot(face.direction, face.up), 0.0f);
        // Odd faces look the opposite way of the face before them.
        if (i % 2 == 1)
        {
            EXPECT_EQ(face.direction, -CubeFaceTable[i - 1].direction);
        }

        // A point straight ahead of the light lands in the face's centre, one a
        // unit off along `up` on its top edge: the face spans 90 degrees.
        const Matrix4 viewProjection = projection * MakeCubeFaceView(light, face);
        const glm::vec4 ahead = viewProjection * glm::vec4(light + face.direction, 1.0f);
        EXPECT_NEAR(ahead.x / ahead.w, 0.0f, 1e-5f);
        EXPECT_NEAR(ahead.y / ahead.w, 0.0f, 1e-5f);
        const glm::vec4 edge = viewProjection * glm::vec4(light + face.direction + face.up, 1.0f);
        EXPECT_NEAR(edge.y / edge.w, 1.0f, 1e-5f);
    }
}
}
