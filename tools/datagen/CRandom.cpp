#include "CRandom.h"

uint32_t CRandom::NextU32()
{
    state += 0x9E3779B97F4A7C15ull;
    uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

float CRandom::NextFloat()
{
    return static_cast<float>(NextU32() >> 8) * (1.0f / 16777216.0f);
}

float CRandom::Range(float low, float high)
{
    return low + (high - low) * NextFloat();
}

uint32_t Hash32(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

uint32_t Hash3(int32_t x, int32_t y, uint32_t seed)
{
    return Hash32(static_cast<uint32_t>(x) * 0x8DA6B343u ^ Hash32(static_cast<uint32_t>(y) * 0xD8163841u ^ seed));
}
