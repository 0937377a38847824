#version 330 core
// PostProcessing: a full-screen quad.

#include "effectQuad.glsl"
