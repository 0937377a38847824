#pragma once

#include <cstdint>

// Small deterministic generator (splitmix64): the data set must come out
// byte-identical on every run, so nothing here reads time or global state.
class CRandom
{
public:
    explicit CRandom(uint64_t seed) : state(seed) {}

    uint32_t NextU32();
    float NextFloat(); // [0, 1)
    float Range(float low, float high);

private:
    uint64_t state;
};

// Stateless integer hashes for lattice noise.
uint32_t Hash32(uint32_t x);
uint32_t Hash3(int32_t x, int32_t y, uint32_t seed);
