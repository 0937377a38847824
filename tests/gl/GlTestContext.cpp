#include "GlTestContext.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;

// Without a context no GL test can run. Googletest would report every test as
// skipped after a failed global set-up, and CTest counts a skip as a pass, so the
// binary ends here with the reason instead.
void Require(bool ok, const char* step, const std::string& detail)
{
    if (ok)
        return;
    // SDL falls back to another video driver when the X server cannot be
    // reached; OpenGL may then work while GLEW, built for GLX, does not.
    const char* driver = SDL_GetCurrentVideoDriver();
    std::fprintf(stderr, "gl-tests: %s failed: %s (video driver %s, DISPLAY=%s)\n", step, detail.c_str(),
                 driver != nullptr ? driver : "none", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "unset");
    std::exit(1);
}

class GlEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        Require(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0, "SDL_Init", SDL_GetError());
        window = SDL_CreateWindow("gl-tests", 0, 0, 320, 240, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        Require(window != nullptr, "SDL_CreateWindow", SDL_GetError());
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, SDL_GL_CONTEXT_FORWARD_COMPATIBLE_FLAG);
        context = SDL_GL_CreateContext(window);
        Require(context != nullptr, "SDL_GL_CreateContext", SDL_GetError());
        Require(SDL_GL_MakeCurrent(window, context) == 0, "SDL_GL_MakeCurrent", SDL_GetError());
        glewExperimental = GL_TRUE;
        const GLenum glew = glewInit();
        Require(glew == GLEW_OK, "glewInit", reinterpret_cast<const char*>(glewGetErrorString(glew)));
        TakeGlError(); // glewInit leaves GL_INVALID_ENUM on core contexts
        GLint major = 0, minor = 0;
        glGetIntegerv(GL_MAJOR_VERSION, &major);
        glGetIntegerv(GL_MINOR_VERSION, &minor);
        Require(major * 10 + minor >= 33, "the version check", "an OpenGL 3.3 core context is needed");
    }

    void TearDown() override
    {
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        SDL_Quit();
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new GlEnvironment);
}

SDL_Window* GlTestWindow() { return window; }
SDL_GLContext GlTestContext() { return context; }

unsigned int TakeGlError()
{
    const GLenum first = glGetError();
    while (glGetError() != GL_NO_ERROR)
    {
    }
    return first;
}

glm::ivec2 TextureSize(GLuint texture, GLenum target, GLenum image)
{
    glm::ivec2 size(0);
    glBindTexture(target, texture);
    glGetTexLevelParameteriv(image, 0, GL_TEXTURE_WIDTH, &size.x);
    glGetTexLevelParameteriv(image, 0, GL_TEXTURE_HEIGHT, &size.y);
    glBindTexture(target, 0);
    return size;
}
