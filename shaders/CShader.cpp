#include "shaders/CShader.h"

#include <SDL2/SDL_log.h>

#include "shaders/ShaderPreprocessor.h"

namespace
{
ShaderSourceObserver& InstalledObserver()
{
    static ShaderSourceObserver observer;
    return observer;
}

void ReportSource(GLuint shader, const std::string& path, GLenum type, const std::vector<std::string>& lines)
{
    const ShaderSourceObserver& observer = InstalledObserver();
    if (!observer)
        return;
    std::string source;
    for (const std::string& line : lines)
        source += line;
    observer(shader, path, type, source);
}
}

void SetShaderSourceObserver(ShaderSourceObserver observer)
{
    InstalledObserver() = std::move(observer);
}

bool LoadShader(CShader& shader, const std::string& filePath, GLenum type, const std::vector<std::string>& defines)
{
    const std::string path = VariantPath(filePath, defines);
    std::vector<std::string> lines;
    if (!PreprocessShaderFile(filePath, false, lines))
    {
        SDL_Log("[Shader] Error loading file %s", path.c_str());
        return false;
    }
    InsertDefines(lines, defines);

    shader.id = glCreateShader(type);
    ReportSource(shader.id, path, type, lines);
    // The chunks go to the driver as they are; their concatenation is the source.
    std::vector<const GLchar*> sources;
    sources.reserve(lines.size());
    for (const std::string& line : lines)
        sources.push_back(line.c_str());

    // With no chunks at all there is no source to give, and the compile fails.
    if (!sources.empty())
        glShaderSource(shader.id, GLsizei(sources.size()), sources.data(), nullptr);
    glCompileShader(shader.id);

    GLint status = GL_FALSE;
    glGetShaderiv(shader.id, GL_COMPILE_STATUS, &status);
    if (status == GL_FALSE)
    {
        SDL_Log("[Shader] Error loading shader %s", path.c_str());
        glDeleteShader(shader.id);
        shader.id = 0;
        return false;
    }
    shader.type = type;
    shader.loaded = true;
    return true;
}
