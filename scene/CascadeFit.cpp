#include "scene/CascadeFit.h"

#include <cmath>
#include <limits>

#include "camera/CameraMath.h"
#include "core/Projection.h"

Matrix4 MakeLightView(const glm::vec3& lightDirection)
{
    return MakeLookAt(glm::vec3(0.0f), lightDirection, glm::vec3(0.0f, 1.0f, 0.0f));
}

CascadeBox FitCascade(const Matrix4& cameraView, const glm::vec3& lightDirection, float aspect,
                      float fieldOfView, float nearSplit, float farSplit)
{
    const Matrix4 viewToLight = MakeLightView(lightDirection) * Matrix4::FromGlm(glm::inverse(cameraView.ToGlm()));
    const float tanV = float(std::tan(double(fieldOfView * 0.5f) * 3.14159265358979323846 / 180.0));
    const float tanH = tanV * aspect;
    const float xn = nearSplit * tanH, xf = farSplit * tanH;
    const float yn = nearSplit * tanV, yf = farSplit * tanV;
    const glm::vec4 corners[8] = {
        {xn, yn, -nearSplit, 1.0f},  {-xn, yn, -nearSplit, 1.0f}, {xn, -yn, -nearSplit, 1.0f},
        {-xn, -yn, -nearSplit, 1.0f}, {xf, yf, -farSplit, 1.0f},  {-xf, yf, -farSplit, 1.0f},
        {xf, -yf, -farSplit, 1.0f},  {-xf, -yf, -farSplit, 1.0f},
    };

    // The minima start at the largest float; the maxima at the smallest
    // positive one, not the lowest, so each box reaches at least up to the
    // light-space planes through the world origin. Towards the sun that takes
    // in the casters between the origin's plane and a slice beyond it; across
    // the light it only widens a box whose slice lies on the negative side.
    const float kLargest = std::numeric_limits<float>::max();
    const float kSmallestPositive = std::numeric_limits<float>::min();
    glm::vec3 lo(kLargest);
    glm::vec3 hi(kSmallestPositive);
    for (const glm::vec4& corner : corners)
    {
        const glm::vec3 p(viewToLight * corner);
        lo = glm::min(lo, p);
        hi = glm::max(hi, p);
    }
    return {hi.x, lo.x, lo.y, hi.y, -hi.z, -lo.z};
}

Matrix4 MakeCascadeProjection(const CascadeBox& box)
{
    return MakeOrtho(box[1], box[0], box[2], box[3], box[4], box[5]);
}

float ClipSpaceDepth(const Matrix4& projection, float distance)
{
    return projection.m[2][2] * -distance + projection.m[2][3];
}
