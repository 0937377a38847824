#include "app/GlDebugOutput.h"

#include <cstdio>

#include "core/FormatString.h"

namespace
{
const char* SourceName(GLenum source)
{
    switch (source)
    {
    case GL_DEBUG_SOURCE_API:
        return "API";
    case GL_DEBUG_SOURCE_WINDOW_SYSTEM:
        return "window system";
    case GL_DEBUG_SOURCE_SHADER_COMPILER:
        return "shader compiler";
    case GL_DEBUG_SOURCE_THIRD_PARTY:
        return "third party";
    case GL_DEBUG_SOURCE_APPLICATION:
        return "application";
    default:
        return "other";
    }
}

const char* TypeName(GLenum type)
{
    switch (type)
    {
    case GL_DEBUG_TYPE_ERROR:
        return "error";
    case GL_DEBUG_TYPE_DEPRECATED_BEHAVIOR:
        return "deprecated behaviour";
    case GL_DEBUG_TYPE_UNDEFINED_BEHAVIOR:
        return "undefined behaviour";
    case GL_DEBUG_TYPE_PORTABILITY:
        return "portability";
    case GL_DEBUG_TYPE_PERFORMANCE:
        return "performance";
    case GL_DEBUG_TYPE_MARKER:
        return "marker";
    case GL_DEBUG_TYPE_PUSH_GROUP:
        return "push group";
    case GL_DEBUG_TYPE_POP_GROUP:
        return "pop group";
    default:
        return "other";
    }
}

const char* SeverityName(GLenum severity)
{
    switch (severity)
    {
    case GL_DEBUG_SEVERITY_HIGH:
        return "high";
    case GL_DEBUG_SEVERITY_MEDIUM:
        return "medium";
    case GL_DEBUG_SEVERITY_LOW:
        return "low";
    default:
        return "notification";
    }
}

void Count(GLenum severity)
{
    GlDebugTally& tally = GetGlDebugTally();
    if (severity == GL_DEBUG_SEVERITY_HIGH)
        ++tally.high;
    else if (severity == GL_DEBUG_SEVERITY_MEDIUM)
        ++tally.medium;
    else if (severity == GL_DEBUG_SEVERITY_LOW)
        ++tally.low;
    else
        ++tally.notification;
}

void GLAPIENTRY OnDebugMessage(GLenum source, GLenum type, GLuint id, GLenum severity, GLsizei length,
                               const GLchar* message, const void*)
{
    Count(severity);
    const std::string text = length < 0 ? std::string(message) : std::string(message, size_t(length));
    std::printf("%s\n", DescribeGlDebugMessage(source, type, id, severity, text).c_str());
    std::fflush(stdout);
}
}

std::string DescribeGlDebugMessage(GLenum source, GLenum type, GLuint id, GLenum severity, const std::string& text)
{
    return FormatString("[GL debug] severity %s, type %s, source %s, id %u: %s", SeverityName(severity),
                        TypeName(type), SourceName(source), id, text.c_str());
}

bool EnableGlDebugOutput()
{
    if (!GLEW_KHR_debug && !GLEW_VERSION_4_3)
        return false;
    glEnable(GL_DEBUG_OUTPUT);
    glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
    glDebugMessageCallback(OnDebugMessage, nullptr);
    glDebugMessageControl(GL_DONT_CARE, GL_DONT_CARE, GL_DONT_CARE, 0, nullptr, GL_TRUE);
    GetGlDebugTally() = GlDebugTally();
    return true;
}

GlDebugTally& GetGlDebugTally()
{
    static GlDebugTally tally;
    return tally;
}
