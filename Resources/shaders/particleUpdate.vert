#version 330 core
// Ages and moves every flake. A flake loses its remaining life; its velocity
// settles into the drift of "gravity" plus a smooth turbulence field, so
// flakes sway rather than jitter. The generator (type 0) keeps its record.

layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec3 inVelocity;
layout(location = 2) in float inLifeTime;
layout(location = 3) in float inType;

out vec3 vPosition;
out vec3 vVelocity;
out float vLifeTime;
out float vType;

uniform float gTimePassed;
uniform vec3 gGenGravityVector;
uniform float gNoise;

// How fast (per second) a flake's velocity settles into the drift.
const float kDrag = 0.8;
// Turbulence: drift speed per unit of "gNoise", and the size of its swirls.
const float kTurbulenceSpeed = 0.06;
const float kSwirlFrequency = 0.09;

// A smooth, slowly changing breeze; `phase` is the flake's own clock.
vec3 Turbulence(vec3 position, float phase)
{
    vec3 q = position * kSwirlFrequency;
    return vec3(sin(q.y + 1.7 * sin(0.8 * q.z + phase)),
                0.3 * sin(0.9 * q.x + 1.2 * q.z + phase),
                sin(1.1 * q.x + 1.3 * cos(0.7 * q.y - phase)));
}

void main()
{
    vType = inType;
    if (inType == 0.0) // the generator
    {
        vPosition = inPosition;
        vVelocity = inVelocity;
        vLifeTime = inLifeTime;
        return;
    }
    vLifeTime = inLifeTime - gTimePassed;
    vec3 drift = gGenGravityVector + gNoise * kTurbulenceSpeed * Turbulence(inPosition, 0.5 * vLifeTime);
    vVelocity = mix(inVelocity, drift, 1.0 - exp(-kDrag * gTimePassed));
    vPosition = inPosition + vVelocity * gTimePassed;
}
