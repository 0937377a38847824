#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include "core/Projection.h"
#include "core/SceneObject.h"

namespace
{
void ExpectSameAsGlm(const Matrix4& rowMajor, const glm::mat4& columnMajor, float tolerance = 1e-5f)
{
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            EXPECT_NEAR(rowMajor.m[row][col], columnMajor[col][row], tolerance) << "row " << row << " col " << col;
}

glm::mat4 GlmModel(const glm::vec3& position, const glm::vec3& degrees, const glm::vec3& scale)
{
    // The y rotation turns the other way round from glm's.
    glm::mat4 m = glm::translate(glm::mat4(1.0f), position);
    m = glm::rotate(m, glm::radians(degrees.z), glm::vec3(0, 0, 1));
    m = glm::rotate(m, -glm::radians(degrees.y), glm::vec3(0, 1, 0));
    m = glm::rotate(m, glm::radians(degrees.x), glm::vec3(1, 0, 0));
    return glm::scale(m, scale);
}
}

TEST(MatrixHelpers, RowMajorRoundTripAndProductsMatchGlm)
{
    const glm::mat4 a = GlmModel({1, 2, 3}, {10, 20, 30}, {1, 2, 3});
    const glm::mat4 b = glm::perspective(1.0f, 1.5f, 0.1f, 100.0f);
    ExpectSameAsGlm(Matrix4::FromGlm(a), a);
    EXPECT_EQ(Matrix4::FromGlm(a).ToGlm(), a);
    ExpectSameAsGlm(Matrix4::FromGlm(a) * Matrix4::FromGlm(b), a * b);

    const glm::vec4 v(0.5f, -2.0f, 4.0f, 1.0f);
    const glm::vec4 expected = a * v;
    const glm::vec4 actual = Matrix4::FromGlm(a) * v;
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-4f);
    ExpectSameAsGlm(Transpose(Matrix4::FromGlm(a)), glm::transpose(a));
}

TEST(MatrixHelpers, ModelMatrixIsTranslateRotateScale)
{
    SceneObject object;
    ExpectSameAsGlm(MakeModelMatrix(object), glm::mat4(1.0f));

    object.position = {4.0f, -1.0f, 7.5f};
    object.rotation = {30.0f, 45.0f, -60.0f};
    object.scale = {2.0f, 0.5f, 3.0f};
    ExpectSameAsGlm(MakeModelMatrix(object), GlmModel(object.position, object.rotation, object.scale));

    // A positive y angle turns +x towards +z.
    const glm::vec4 turned = MakeRotationMatrix({0.0f, 90.0f, 0.0f}) * glm::vec4(1, 0, 0, 0);
    EXPECT_NEAR(turned.z, 1.0f, 1e-6f);
}

TEST(MatrixHelpers, ProjectionsMatchGlm)
{
    ExpectSameAsGlm(MakePerspective(80.0f, 16.0f / 9.0f, 0.5f, 1500.0f),
                    glm::perspective(80.0f * 0.017453292f, 16.0f / 9.0f, 0.5f, 1500.0f));
    ExpectSameAsGlm(MakeOrthoProjection(1600, 900), glm::ortho(0.0f, 1600.0f, 0.0f, 900.0f));
    const Matrix4 ortho = MakeOrthoProjection(1600, 900);
    const glm::vec4 corner = ortho * glm::vec4(1600, 900, 0, 1);
    EXPECT_FLOAT_EQ(corner.x, 1.0f);
    EXPECT_FLOAT_EQ(corner.y, 1.0f);
}
