#include "FloorProgram.h"

#include <cstdio>

namespace
{
GLuint CompileStage(GLenum type, const char* source)
{
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}
}

GLuint LinkFloorProgram(const char* vertexSource, const char* fragmentSource)
{
    const GLuint program = glCreateProgram();
    const GLuint stages[] = {CompileStage(GL_VERTEX_SHADER, vertexSource),
                             CompileStage(GL_FRAGMENT_SHADER, fragmentSource)};
    for (GLuint stage : stages)
        glAttachShader(program, stage);
    glLinkProgram(program);
    for (GLuint stage : stages)
    {
        glDetachShader(program, stage);
        glDeleteShader(stage);
    }
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked == GL_TRUE)
        return program;
    char log[1024] = "";
    glGetProgramInfoLog(program, sizeof log, nullptr, log);
    std::fprintf(stderr, "kestrune-capture: a raster floor program did not link: %s\n", log);
    glDeleteProgram(program);
    return 0;
}
