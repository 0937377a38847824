#pragma once

#include <GL/glew.h>
#include <SDL2/SDL.h>
#include <glm/glm.hpp>

// The one hidden SDL window and OpenGL 3.3 context of the GL test binary,
// created before the first test runs and current for every test.
SDL_Window* GlTestWindow();
SDL_GLContext GlTestContext();

// Drains and returns the GL error queue's first error (GL_NO_ERROR when clean).
unsigned int TakeGlError();

// Width and height of level 0 of `texture`, bound to `target`; `image` names
// the image asked about (the target itself, or one cube face).
glm::ivec2 TextureSize(GLuint texture, GLenum target = GL_TEXTURE_2D, GLenum image = GL_TEXTURE_2D);
