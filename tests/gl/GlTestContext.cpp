#include "GlTestContext.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

namespace
{
SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;

class GlEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS), 0) << SDL_GetError();
        window = SDL_CreateWindow("gl-tests", 0, 0, 320, 240, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, SDL_GL_CONTEXT_FORWARD_COMPATIBLE_FLAG);
        context = SDL_GL_CreateContext(window);
        ASSERT_NE(context, nullptr) << SDL_GetError();
        SDL_GL_MakeCurrent(window, context);
        glewExperimental = GL_TRUE;
        ASSERT_EQ(glewInit(), GLEW_OK);
        TakeGlError(); // glewInit leaves GL_INVALID_ENUM on core contexts
        GLint major = 0, minor = 0;
        glGetIntegerv(GL_MAJOR_VERSION, &major);
        glGetIntegerv(GL_MINOR_VERSION, &minor);
        ASSERT_GE(major * 10 + minor, 33) << "an OpenGL 3.3 core context is needed";
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
