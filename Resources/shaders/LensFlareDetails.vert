#version 330 core
// LensFlareDetails: a full-screen quad.

#include "effectQuad.glsl"
