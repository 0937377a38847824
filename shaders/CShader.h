#pragma once

#include <GL/glew.h>

#include <functional>
#include <string>
#include <vector>

// One compiled GLSL stage. The owner attaches it to a program when `loaded`
// is true and deletes the GL object when it destroys that program.
struct CShader
{
    GLuint id = 0;
    GLenum type = 0; // written only by a successful compile
    bool loaded = false;
};

// Reads `path` through the include preprocessor and compiles it as a stage of
// `type`, with a "#define" for each of `defines` (a variant of the file). A
// failed compile deletes its shader object again, so `id` is then 0.
bool LoadShader(CShader& shader, const std::string& path, GLenum type, const std::vector<std::string>& defines = {});

// Told of each stage's shader object and final source, the preprocessed chunks
// joined, just before it is compiled (the capture tool's --dump-shaders and
// --frame-graph). An empty observer stops it.
using ShaderSourceObserver =
    std::function<void(GLuint shader, const std::string& path, GLenum type, const std::string& source)>;
void SetShaderSourceObserver(ShaderSourceObserver observer);
