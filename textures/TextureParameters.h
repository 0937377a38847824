#pragma once

#include <GL/glew.h>

// Linear filtering both ways, without mipmaps, and coordinates clamped to the
// edge, for the texture bound to `target`: what render targets and shadow
// maps are read with.
void SetLinearClamped(GLenum target);
