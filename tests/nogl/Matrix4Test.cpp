#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include "core/Projection.h"
#include "core/SceneObject.h"

namespace
{
void ExpectSameAsGlm(const Matrix4& rowMajor, const glm::mat4& columnMajor)
{
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            EXPECT_NEAR(rowMajor.m[row][col], columnMajor[col][row], 1e-5f) << "row " << row << " col " << col;
}
}

TEST(Matrix4Test, ModelMatrixProductsAndProjectionsMatchGlm)
{
    // T * Rz * Ry * Rx * S, where a positive y angle turns +x towards +z (the other way round from glm's).
    SceneObject object;
    object.position = {4.0f, -1.0f, 7.5f};
    object.rotation = {30.0f, 45.0f, -60.0f};
    object.scale = {2.0f, 0.5f, 3.0f};
    glm::mat4 model = glm::translate(glm::mat4(1.0f), object.position);
    model = glm::rotate(model, glm::radians(-60.0f), glm::vec3(0, 0, 1));
    model = glm::rotate(model, -glm::radians(45.0f), glm::vec3(0, 1, 0));
    model = glm::rotate(model, glm::radians(30.0f), glm::vec3(1, 0, 0));
    model = glm::scale(model, object.scale);
    ExpectSameAsGlm(MakeModelMatrix(object), model);
    ExpectSameAsGlm(MakeModelMatrix(SceneObject()), glm::mat4(1.0f));

    const glm::mat4 projection = glm::perspective(80.0f * 0.017453292f, 16.0f / 9.0f, 0.5f, 1500.0f);
    ExpectSameAsGlm(MakePerspective(80.0f, 16.0f / 9.0f, 0.5f, 1500.0f), projection);
    ExpectSameAsGlm(MakeOrthoProjection(1600, 900), glm::ortho(0.0f, 1600.0f, 0.0f, 900.0f));
    EXPECT_EQ(Matrix4::FromGlm(model).ToGlm(), model);
    ExpectSameAsGlm(Matrix4::FromGlm(model) * Matrix4::FromGlm(projection), model * projection);
    ExpectSameAsGlm(Transpose(Matrix4::FromGlm(model)), glm::transpose(model));

    const glm::vec4 v(0.5f, -2.0f, 4.0f, 1.0f);
    EXPECT_LT(glm::distance(Matrix4::FromGlm(model) * v, model * v), 1e-4f);
}
