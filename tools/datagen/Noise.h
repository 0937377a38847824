#pragma once

#include <cstdint>
#include <glm/glm.hpp>

// Lattice noise used by every procedural image and the terrain. A period
// component of 0 means "does not repeat" along that axis; a positive one makes
// the pattern tile every `period` lattice cells, which material maps need.

// Gradient noise in about [-1, 1].
float GradientNoise(glm::vec2 p, glm::ivec2 period, uint32_t seed);

// Sum of `octaves` layers of gradient noise, each at twice the frequency and
// `gain` times the amplitude of the one before; result in about [-1, 1].
float Fbm(glm::vec2 p, glm::ivec2 period, int octaves, uint32_t seed, float gain = 0.5f);

// Distance to the nearest of one jittered feature point per cell, about [0, 1.2].
float CellDistance(glm::vec2 p, glm::ivec2 period, uint32_t seed);

float Smoothstep(float edge0, float edge1, float x);

// Tiling fbm over texture coordinates (s, t) in [0, 1]: `cells` lattice cells
// across the image on each axis, so the result repeats seamlessly.
float TileFbm(glm::vec2 st, glm::ivec2 cells, int octaves, uint32_t seed, float gain = 0.5f);
// Tiling cell distance over texture coordinates, `cells` cells across.
float TileCells(glm::vec2 st, glm::ivec2 cells, uint32_t seed);
