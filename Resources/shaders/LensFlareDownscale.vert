#version 330 core
// LensFlareDownscale: a full-screen quad.

#include "effectQuad.glsl"
