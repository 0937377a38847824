#pragma once

#include <vector>

#include <glm/glm.hpp>

// Where the scene puts the models. Table, gate and grass are objects at the
// origin, so those models carry their own placement; the lanterns are placed
// at these object positions and carry an offset of their own (foot and lamp
// below), so each lamp lands where the scene's lantern lights are.

inline const glm::vec3 LanternFoot(1.37f, 0.0f, -23.11f);
inline const float LanternLampHeight = 14.15f;
inline const glm::vec3 Lantern2Foot(14.46f, 0.0f, -4.00f);
inline const float Lantern2LampHeight = 2.50f;

inline const std::vector<glm::vec3> LanternObjects = {
    {111.225f, 3.952f, -4.386f},   {-55.887f, 9.055f, -103.99f}, {-24.827f, 2.93f, 140.025f},
    {-110.706f, 0.058f, -3.792f},  {-198.038f, 11.519f, 188.917f}, {-184.297f, 1.852f, 48.609f},
};
inline const std::vector<glm::vec3> Lantern2Objects = {
    {-11.059f, 2.655f, 93.709f},
    {-16.16f, 9.71f, -146.846f},
};

// The flat clearing at the origin where table, gate and grass stand.
inline const float ClearingRadius = 36.0f;
// The gate stands across the view, behind the table as the camera sees it.
inline const float ToriiZ = 20.0f;
