#pragma once

#include <GL/glew.h>

// Links a raster floor program from its two sources, each stage deleted once
// linked; 0, with the driver's log on stderr, when it does not link.
GLuint LinkFloorProgram(const char* vertexSource, const char* fragmentSource);
