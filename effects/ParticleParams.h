#pragma once

#include <cstdint>
#include <glm/glm.hpp>

// The parameters of the falling snow, at their defaults. Velocities and
// lifetimes are intervals from the min to the max field.
struct ParticleParams
{
    glm::vec3 genPosition = {0.0f, 75.0f, 0.0f};         // centre of the spawn area
    glm::vec3 genVelocityMin = {-7.0f, -3.0f, -7.0f};
    glm::vec3 genVelocityMax = {7.0f, 0.0f, 7.0f};
    glm::vec3 genGravityVector = {0.0f, -9.0f, 0.0f};    // the drift flakes settle into
    float genLifeMin = 9.0f;                              // seconds
    float genLifeMax = 10.0f;
    int32_t generateCount = 3000;                         // flakes emitted per second
    float billboardSize = 0.28f;
    glm::vec2 spawnArea = {280.0f, 280.0f};               // x and z extent around genPosition
    float noise = 30.0f;                                  // strength of the turbulence
};
