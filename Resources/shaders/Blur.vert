#version 330 core
// Blur: a full-screen quad.

#include "effectQuad.glsl"
