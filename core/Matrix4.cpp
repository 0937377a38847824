#include "core/Matrix4.h"

#include <cmath>

Matrix4 Matrix4::Identity()
{
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        r.m[i][i] = 1.0f;
    return r;
}

Matrix4 Matrix4::FromGlm(const glm::mat4& columnMajor)
{
    // glm indexes [column][row].
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            r.m[row][col] = columnMajor[col][row];
    return r;
}

glm::mat4 Matrix4::ToGlm() const
{
    glm::mat4 r(0.0f);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            r[col][row] = m[row][col];
    return r;
}

Matrix4 Matrix4::operator*(const Matrix4& rhs) const
{
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
        {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += m[row][k] * rhs.m[k][col];
            r.m[row][col] = sum;
        }
    return r;
}

glm::vec4 Matrix4::operator*(const glm::vec4& v) const
{
    glm::vec4 r;
    for (int row = 0; row < 4; ++row)
        r[row] = m[row][0] * v.x + m[row][1] * v.y + m[row][2] * v.z + m[row][3] * v.w;
    return r;
}

Matrix4 MakeTranslation(const glm::vec3& t)
{
    Matrix4 r = Matrix4::Identity();
    r.m[0][3] = t.x;
    r.m[1][3] = t.y;
    r.m[2][3] = t.z;
    return r;
}

Matrix4 MakeScale(const glm::vec3& s)
{
    Matrix4 r = Matrix4::Identity();
    r.m[0][0] = s.x;
    r.m[1][1] = s.y;
    r.m[2][2] = s.z;
    return r;
}

Matrix4 MakeRotationMatrix(const glm::vec3& degrees)
{
    const double toRadians = 3.14159265358979323846 / 180.0;
    const float cx = float(std::cos(degrees.x * toRadians)), sx = float(std::sin(degrees.x * toRadians));
    const float cy = float(std::cos(degrees.y * toRadians)), sy = float(std::sin(degrees.y * toRadians));
    const float cz = float(std::cos(degrees.z * toRadians)), sz = float(std::sin(degrees.z * toRadians));

    Matrix4 rx = Matrix4::Identity();
    rx.m[1][1] = cx; rx.m[1][2] = -sx;
    rx.m[2][1] = sx; rx.m[2][2] = cx;

    // The sine signs of the y rotation are placed this way on purpose.
    Matrix4 ry = Matrix4::Identity();
    ry.m[0][0] = cy; ry.m[0][2] = -sy;
    ry.m[2][0] = sy; ry.m[2][2] = cy;

    Matrix4 rz = Matrix4::Identity();
    rz.m[0][0] = cz; rz.m[0][1] = -sz;
    rz.m[1][0] = sz; rz.m[1][1] = cz;

    return rz * ry * rx;
}

Matrix4 Transpose(const Matrix4& a)
{
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            r.m[row][col] = a.m[col][row];
    return r;
}
