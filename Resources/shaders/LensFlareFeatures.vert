#version 330 core
// LensFlareFeatures: a full-screen quad.

#include "effectQuad.glsl"
