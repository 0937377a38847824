#include <gtest/gtest.h>

#include "scene/CubeFaces.h"

TEST(CubeFacesTest, SixFacesInCubeMapOrderWithUprightNinetyDegreeViews)
{
    ASSERT_EQ(CubeFaceTable.size(), 6u);
    const glm::vec3 light(3.0f, -2.0f, 7.0f);
    for (size_t i = 0; i < CubeFaceTable.size(); ++i)
    {
        SCOPED_TRACE(i);
        const CubeFace& face = CubeFaceTable[i];
        EXPECT_EQ(face.target, GLenum(GL_TEXTURE_CUBE_MAP_POSITIVE_X + i));
        EXPECT_FLOAT_EQ(glm::dot(face.direction, face.up), 0.0f);
        // Odd faces look the opposite way of the face before them.
        EXPECT_TRUE(i % 2 == 0 || face.direction == -CubeFaceTable[i - 1].direction);

        // A point straight ahead of the light lands in the face's centre, one a
        // unit off along `up` on its top edge.
        const Matrix4 viewProjection = MakeCubeFaceProjection(1.0f) * MakeCubeFaceView(light, face);
        const glm::vec4 ahead = viewProjection * glm::vec4(light + face.direction, 1.0f);
        EXPECT_LT(glm::length(glm::vec2(ahead) / ahead.w), 1e-5f);
        const glm::vec4 edge = viewProjection * glm::vec4(light + face.direction + face.up, 1.0f);
        EXPECT_NEAR(edge.y / edge.w, 1.0f, 1e-5f);
    }
}
