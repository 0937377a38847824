#pragma once

#include <glm/glm.hpp>

// A 4x4 float matrix stored row-major: m[row][col]. Matrices built by glm
// (column-major) are transposed on the way in; shaders receive them with the
// transpose flag set.
struct Matrix4
{
    float m[4][4] = {};

    static Matrix4 Identity();
    static Matrix4 FromGlm(const glm::mat4& columnMajor);
    glm::mat4 ToGlm() const;

    Matrix4 operator*(const Matrix4& rhs) const;
    glm::vec4 operator*(const glm::vec4& v) const;
    const float* Data() const { return &m[0][0]; }
};

Matrix4 MakeTranslation(const glm::vec3& t);
Matrix4 MakeScale(const glm::vec3& s);
// Rz * Ry * Rx with angles in degrees (converted in double precision).
Matrix4 MakeRotationMatrix(const glm::vec3& degrees);
Matrix4 Transpose(const Matrix4& a);
