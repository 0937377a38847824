#version 330 core
// One step of the snowfall, after the vertex stage has aged and moved every
// flake: flakes whose life has run out are dropped, the generator (type 0) is
// passed on first and unchanged, and "gGenerateCount" new flakes are spread
// over the spawn area around "gGenPosition" from a hash of "gRandomSeed", so
// that no two steps place them alike.

layout(points) in;
// Below the 128 that the outputs would allow: a software rasterizer reserves
// room for every point at this bound, and above about 112 a step slows by a third.
layout(points, max_vertices = 100) out;

in vec3 vPosition[];
in vec3 vVelocity[];
in float vLifeTime[];
in float vType[];

out vec3 outPosition;
out vec3 outVelocity;
out float outLifeTime;
flat out int outType;

uniform vec3 gGenPosition;
uniform vec3 gGenVelocityMin;
uniform vec3 gGenVelocityRange;
uniform float gGenLifeMin;
uniform float gGenLifeRange;
uniform int gGenerateCount;
uniform vec3 gRandomSeed;
uniform vec2 gSpawnArea;

const int kGenerator = 0;
const int kFlake = 1;
// New flakes one input point adds besides passing itself on. When a long step
// owes more, the points after the generator add the further batches.
const int kBatch = 99;
// New flakes start within this height of the spawn plane, not in one sheet.
const float kSpawnDepth = 6.0;

void EmitRecord(vec3 position, vec3 velocity, float lifeTime, int type)
{
    outPosition = position;
    outVelocity = velocity;
    outLifeTime = lifeTime;
    outType = type;
    EmitVertex(); // each point is a primitive of its own
}

uint Hash(uint x)
{
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

// The next value in [0, 1) of a sequence started from a hash.
float Random(inout uint state)
{
    state = state * 1664525u + 1013904223u;
    return float(state >> 8) / 16777216.0;
}

void EmitNewFlakes(int first, int count)
{
    uint seed = Hash(floatBitsToUint(gRandomSeed.x)) ^ Hash(floatBitsToUint(gRandomSeed.y) + 0x9e3779b9u) ^
                Hash(floatBitsToUint(gRandomSeed.z) + 0x7f4a7c15u);
    for (int i = first; i < first + count; ++i)
    {
        uint state = Hash(seed ^ uint(i));
        vec3 offset = vec3(Random(state) - 0.5, Random(state) - 0.5, Random(state) - 0.5) *
                      vec3(gSpawnArea.x, kSpawnDepth, gSpawnArea.y);
        vec3 velocity = gGenVelocityMin + gGenVelocityRange * vec3(Random(state), Random(state), Random(state));
        EmitRecord(gGenPosition + offset, velocity, gGenLifeMin + gGenLifeRange * Random(state), kFlake);
    }
}

void main()
{
    int type = int(vType[0]);
    if (type == kGenerator || vLifeTime[0] > 0.0)
        EmitRecord(vPosition[0], vVelocity[0], vLifeTime[0], type);
    int first = gl_PrimitiveIDIn * kBatch;
    if (first < gGenerateCount)
        EmitNewFlakes(first, min(kBatch, gGenerateCount - first));
}
