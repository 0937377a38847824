#pragma once

#include <cstdint>
#include <glm/glm.hpp>

// The one generator, which emits the flakes, and the flakes.
const int32_t kParticleGeneratorType = 0;
const int32_t kParticleFlakeType = 1;

// One particle as it lies in the vertex buffers and as the update program
// writes it back. A record left at its defaults is the generator.
struct ParticleRecord
{
    glm::vec3 position = glm::vec3(0.0f);
    glm::vec3 velocity = glm::vec3(0.0f);
    float lifetime = 0.0f; // seconds left
    int32_t type = kParticleGeneratorType;
};

static_assert(sizeof(ParticleRecord) == 32, "the shaders read and write 32-byte records");
