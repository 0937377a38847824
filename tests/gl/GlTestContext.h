#pragma once

#include <SDL2/SDL.h>

// The one hidden SDL window and OpenGL 3.3 context of the GL test binary,
// created before the first test runs and current for every test.
SDL_Window* GlTestWindow();
SDL_GLContext GlTestContext();

// Drains and returns the GL error queue's first error (GL_NO_ERROR when clean).
unsigned int TakeGlError();
