#include "camera/CameraMath.h"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

namespace
{
const float kPitchLimit = 89.8f;
const double kPi = 3.14159265358979323846;
}

void RotateAroundAxis(glm::vec3& v, float degrees, const glm::vec3& axis)
{
    const float half = degrees * 0.5f;
    const float radians = float(double(half) * kPi / 180.0);
    const glm::quat q(std::cos(radians), axis * std::sin(radians));
    const glm::quat rotated = q * glm::quat(0.0f, v) * glm::conjugate(q);
    v = glm::vec3(rotated.x, rotated.y, rotated.z);
}

float GetPitch(const glm::vec3& direction)
{
    const float length = glm::length(direction);
    if (length == 0.0f)
        return 0.0f;
    const glm::vec3 n = direction / length;
    const glm::vec3 flat(n.x, 0.0f, n.z);
    const float flatLength = glm::length(flat);
    if (flatLength == 0.0f)
        return n.y < 0.0f ? -90.0f : 90.0f;
    // Rounding can push the dot product a hair past 1.
    const float cosine = glm::min(glm::dot(n, flat / flatLength), 1.0f);
    const float degrees = float(double(std::acos(cosine)) * 57.29577951308232);
    return n.y < 0.0f ? -degrees : degrees;
}

Matrix4 MakeLookAt(const glm::vec3& eye, const glm::vec3& center, const glm::vec3& up)
{
    return Matrix4::FromGlm(glm::lookAt(eye, center, up));
}

bool TiltDirection(glm::vec3& direction, float degrees, const glm::vec3& up)
{
    const glm::vec3 side = glm::cross(direction, up);
    if (glm::dot(side, side) == 0.0f)
        return false;
    const float tilted = GetPitch(direction) + degrees;
    if (!(tilted > -kPitchLimit && tilted < kPitchLimit))
        return false;
    RotateAroundAxis(direction, degrees, glm::normalize(side));
    return true;
}

glm::vec3 NormalizeOrZero(const glm::vec3& v)
{
    const float length = glm::length(v);
    return length == 0.0f ? glm::vec3(0.0f) : v / length;
}

void TurnView(const glm::vec3& position, glm::vec3& target, float yawDegrees, float pitchDegrees,
              const glm::vec3& up)
{
    if (yawDegrees != 0.0f)
    {
        glm::vec3 direction = target - position;
        RotateAroundAxis(direction, yawDegrees, glm::vec3(0.0f, 1.0f, 0.0f));
        target = position + direction;
    }
    if (pitchDegrees != 0.0f)
    {
        glm::vec3 direction = target - position;
        if (TiltDirection(direction, pitchDegrees, up))
            target = position + direction;
    }
}
