#include "FrameGraphRecorder.h"

#include <algorithm>
#include <fstream>

#include "ShaderDump.h"
#include "core/CRenderSettings.h"

namespace
{
FrameGraphRecorder* recording = nullptr;
PFNGLMULTIDRAWELEMENTSBASEVERTEXPROC realMultiDraw = nullptr;
PFNGLDRAWTRANSFORMFEEDBACKPROC realDrawTransformFeedback = nullptr;
PFNGLBLITFRAMEBUFFERPROC realBlit = nullptr;

void GLAPIENTRY HookedMultiDraw(GLenum mode, const GLsizei* count, GLenum type, const void* const* indices,
                                GLsizei drawCount, const GLint* baseVertex)
{
    if (recording != nullptr)
        recording->RecordDraw(false);
    realMultiDraw(mode, count, type, indices, drawCount, baseVertex);
}

void GLAPIENTRY HookedDrawTransformFeedback(GLenum mode, GLuint id)
{
    if (recording != nullptr)
        recording->RecordDraw(false);
    realDrawTransformFeedback(mode, id);
}

void GLAPIENTRY HookedBlit(GLint srcX0, GLint srcY0, GLint srcX1, GLint srcY1, GLint dstX0, GLint dstY0, GLint dstX1,
                           GLint dstY1, GLbitfield mask, GLenum filter)
{
    if (recording != nullptr)
        recording->RecordDraw(true);
    realBlit(srcX0, srcY0, srcX1, srcY1, dstX0, dstY0, dstX1, dstY1, mask, filter);
}

GLint Integer(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

std::string FormatName(GLint format)
{
    switch (format)
    {
    case GL_RGBA8: return "RGBA8";
    case GL_RGB8: return "RGB8";
    case GL_RGBA16F: return "RGBA16F";
    case GL_RGB16F: return "RGB16F";
    case GL_RGBA32F: return "RGBA32F";
    case GL_R32F: return "R32F";
    case GL_R16F: return "R16F";
    case GL_RG16F: return "RG16F";
    case GL_R11F_G11F_B10F: return "R11F_G11F_B10F";
    case GL_DEPTH_COMPONENT16: return "DEPTH16";
    case GL_DEPTH_COMPONENT24: return "DEPTH24";
    case GL_DEPTH_COMPONENT32: return "DEPTH32";
    case GL_DEPTH_COMPONENT32F: return "DEPTH32F";
    case GL_DEPTH_COMPONENT: return "DEPTH";
    case GL_DEPTH24_STENCIL8: return "DEPTH24_STENCIL8";
    case GL_RGBA: return "RGBA";
    case GL_RGB: return "RGB";
    default: return "format " + std::to_string(format);
    }
}

// The texture target that a sampler type reads, or 0 for a type that is no sampler.
GLenum SamplerTarget(GLenum type)
{
    switch (type)
    {
    case GL_SAMPLER_2D:
    case GL_SAMPLER_2D_SHADOW: return GL_TEXTURE_2D;
    case GL_SAMPLER_CUBE:
    case GL_SAMPLER_CUBE_SHADOW: return GL_TEXTURE_CUBE_MAP;
    case GL_SAMPLER_3D: return GL_TEXTURE_3D;
    default: return 0;
    }
}

GLenum BindingOf(GLenum target)
{
    return target == GL_TEXTURE_CUBE_MAP ? GL_TEXTURE_BINDING_CUBE_MAP
         : target == GL_TEXTURE_3D       ? GL_TEXTURE_BINDING_3D
                                         : GL_TEXTURE_BINDING_2D;
}
}

// glDrawArrays is a GL 1.1 entry point, which GLEW does not load: the capture
// tool is linked with --wrap=glDrawArrays, so every call in the program comes here.
extern "C" void __real_glDrawArrays(GLenum mode, GLint first, GLsizei count);
extern "C" void __wrap_glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    if (recording != nullptr)
        recording->RecordDraw(false);
    __real_glDrawArrays(mode, first, count);
}

void FrameGraphRecorder::Install()
{
    realMultiDraw = glMultiDrawElementsBaseVertex;
    realDrawTransformFeedback = glDrawTransformFeedback;
    realBlit = glBlitFramebuffer;
    __glewMultiDrawElementsBaseVertex = HookedMultiDraw;
    __glewDrawTransformFeedback = HookedDrawTransformFeedback;
    __glewBlitFramebuffer = HookedBlit;
}

void FrameGraphRecorder::NameShader(GLuint shader, const std::string& path)
{
    shaderNames[shader] = ShaderDumpFileName(path);
}

void FrameGraphRecorder::Arm(bool timedDraws)
{
    draws.clear();
    timestamps.clear();
    marks = 0;
    timed = timedDraws;
    recording = this;
}

void FrameGraphRecorder::Disarm(const std::vector<std::string>& stageNames)
{
    recording = nullptr;
    if (timed && !timestamps.empty())
    {
        timestamps.push_back(0);
        glGenQueries(1, &timestamps.back());
        glQueryCounter(timestamps.back(), GL_TIMESTAMP);
        std::vector<GLuint64> times(timestamps.size(), 0);
        for (size_t i = 0; i < timestamps.size(); ++i)
            glGetQueryObjectui64v(timestamps[i], GL_QUERY_RESULT, &times[i]);
        for (size_t i = 0; i < draws.size(); ++i)
            draws[i].gpuMs = double(times[i + 1] - times[i]) / 1e6;
        glDeleteQueries(GLsizei(timestamps.size()), timestamps.data());
        timestamps.clear();
    }
    passes = GroupFramePasses(draws, stageNames);
}

bool FrameGraphRecorder::Write(const std::string& path) const
{
    std::ofstream out(path, std::ios::binary);
    out << FrameGraphDot(passes);
    return bool(out.flush());
}

void FrameGraphRecorder::RecordDraw(bool blit)
{
    const GLuint program = GLuint(Integer(GL_CURRENT_PROGRAM));
    DrawRecord draw;
    draw.stage = marks;
    draw.program = blit ? "blit" : ProgramName(program);
    draw.writes = Writes();
    draw.reads = blit ? AttachedImages(GL_READ_FRAMEBUFFER) : Reads(program);
    draws.push_back(draw);
    if (timed)
    {
        timestamps.push_back(0);
        glGenQueries(1, &timestamps.back());
        glQueryCounter(timestamps.back(), GL_TIMESTAMP);
    }
}

// A program goes by its fragment stage's file (its vertex stage's where it has none).
std::string FrameGraphRecorder::ProgramName(GLuint program) const
{
    GLuint shaders[8] = {};
    GLsizei count = 0;
    if (program != 0)
        glGetAttachedShaders(program, 8, &count, shaders);
    std::string name;
    for (GLsizei i = 0; i < count; ++i)
    {
        const auto found = shaderNames.find(shaders[i]);
        GLint type = 0;
        glGetShaderiv(shaders[i], GL_SHADER_TYPE, &type);
        if (found != shaderNames.end() && (name.empty() || type == GL_FRAGMENT_SHADER))
            name = found->second;
    }
    // The file's extension is left off: "lightShadows.LIT_SUN", "particleUpdate".
    name = name.substr(0, name.find_last_of('.'));
    return name.empty() ? "program " + std::to_string(program) : name;
}

std::string FrameGraphRecorder::ImageName(GLuint texture) const
{
    for (const auto& [name, id] : CRenderSettings::GetInstance().renderTextures)
    {
        if (id >= 0 && GLuint(id) == texture)
            return name;
    }
    return std::string();
}

// Size and format of a texture's level, read with it bound to the active
// unit, whose binding is put back.
PassImage FrameGraphRecorder::Image(GLuint texture, GLenum target, int level) const
{
    const GLint bound = Integer(BindingOf(target));
    glBindTexture(target, texture);
    const GLenum image = target == GL_TEXTURE_CUBE_MAP ? GL_TEXTURE_CUBE_MAP_POSITIVE_X : target;
    GLint width = 0, height = 0, format = 0;
    glGetTexLevelParameteriv(image, level, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(image, level, GL_TEXTURE_HEIGHT, &height);
    glGetTexLevelParameteriv(image, level, GL_TEXTURE_INTERNAL_FORMAT, &format);
    glBindTexture(target, GLuint(bound));
    const std::string name = ImageName(texture);
    return {name.empty() ? "texture " + std::to_string(texture) : name, width, height, FormatName(format), !name.empty()};
}

std::vector<PassImage> FrameGraphRecorder::AttachedImages(GLenum framebuffer) const
{
    const GLenum binding = framebuffer == GL_READ_FRAMEBUFFER ? GL_READ_FRAMEBUFFER_BINDING : GL_DRAW_FRAMEBUFFER_BINDING;
    if (Integer(binding) == 0)
    {
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        return {{"window", viewport[2], viewport[3], "RGBA8", true}};
    }
    std::vector<PassImage> images;
    std::vector<GLenum> attachments = {GL_DEPTH_ATTACHMENT};
    for (GLint i = 0; i < Integer(GL_MAX_COLOR_ATTACHMENTS) && i < 8; ++i)
        attachments.push_back(GLenum(GL_COLOR_ATTACHMENT0 + i));
    for (GLenum attachment : attachments)
    {
        GLint type = GL_NONE, name = 0, level = 0, face = 0;
        glGetFramebufferAttachmentParameteriv(framebuffer, attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &type);
        if (type != GL_TEXTURE)
            continue;
        glGetFramebufferAttachmentParameteriv(framebuffer, attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME, &name);
        glGetFramebufferAttachmentParameteriv(framebuffer, attachment, GL_FRAMEBUFFER_ATTACHMENT_TEXTURE_LEVEL, &level);
        glGetFramebufferAttachmentParameteriv(framebuffer, attachment, GL_FRAMEBUFFER_ATTACHMENT_TEXTURE_CUBE_MAP_FACE,
                                              &face);
        images.push_back(Image(GLuint(name), face != 0 ? GL_TEXTURE_CUBE_MAP : GL_TEXTURE_2D, level));
    }
    return images;
}

// A draw with the rasterizer off writes the transform feedback buffer alone.
std::vector<PassImage> FrameGraphRecorder::Writes() const
{
    if (glIsEnabled(GL_RASTERIZER_DISCARD))
        return {{"particle buffer " + std::to_string(Integer(GL_TRANSFORM_FEEDBACK_BUFFER_BINDING)), 0, 0,
                 "transform feedback", true}};
    return AttachedImages(GL_DRAW_FRAMEBUFFER);
}

// The textures bound where the program's samplers point.
std::vector<PassImage> FrameGraphRecorder::Reads(GLuint program) const
{
    std::vector<PassImage> images;
    if (program == 0)
        return images;
    const GLint activeUnit = Integer(GL_ACTIVE_TEXTURE);
    GLint uniforms = 0;
    glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &uniforms);
    for (GLint i = 0; i < uniforms; ++i)
    {
        char name[256] = {};
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(program, GLuint(i), sizeof name, nullptr, &size, &type, name);
        const GLenum target = SamplerTarget(type);
        if (target == 0)
            continue;
        // An array of samplers is named by its first element; each element has a unit of its own.
        std::string element = name;
        if (size > 1 && element.size() > 3 && element.compare(element.size() - 3, 3, "[0]") == 0)
            element.resize(element.size() - 3);
        for (GLint j = 0; j < size; ++j)
        {
            const std::string uniform = size > 1 ? element + "[" + std::to_string(j) + "]" : element;
            GLint unit = 0;
            glGetUniformiv(program, glGetUniformLocation(program, uniform.c_str()), &unit);
            glActiveTexture(GLenum(GL_TEXTURE0 + unit));
            const GLint texture = Integer(BindingOf(target));
            if (texture == 0)
                continue;
            const PassImage image = Image(GLuint(texture), target, 0);
            if (std::find(images.begin(), images.end(), image) == images.end())
                images.push_back(image);
        }
    }
    glActiveTexture(GLenum(activeUnit));
    return images;
}
