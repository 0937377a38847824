#version 330 core
// FXAA: a full-screen quad.

#include "effectQuad.glsl"
