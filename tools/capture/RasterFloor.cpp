#include "RasterFloor.h"

#include <chrono>
#include <cstdio>
#include <iterator>
#include <limits>

#include "FloorComparison.h"
#include "effects/LensFlareMath.h"

namespace
{
const int kCubeLights = 3;
const size_t kLensFlareBlurPasses = 4;
const size_t kBloomPasses = 10;

const char* const kVertexSource =
    "#version 330 core\n"
    "layout(location = 0) in vec2 position;\n"
    "out vec2 uv;\n"
    "void main() { uv = position * 0.5 + 0.5; gl_Position = vec4(position, 0.5, 1.0); }\n";

// Indexed by RasterFloor's Program.
const char* const kFragmentSources[] = {
    "#version 330 core\nvoid main() {}\n",
    "#version 330 core\nin vec2 uv;\nout float distance;\nvoid main() { distance = uv.x; }\n",
    "#version 330 core\nin vec2 uv;\nuniform sampler2D source;\n"
    "layout(location = 0) out vec3 colour;\n"
    "layout(location = 1) out vec3 bright;\n"
    "layout(location = 2) out vec3 depth;\n"
    "void main() { colour = texture(source, uv).rgb; bright = colour * 0.1; depth = vec3(uv.y); }\n",
    "#version 330 core\nin vec2 uv;\nuniform sampler2D source;\nout vec3 colour;\n"
    "void main() { colour = texture(source, uv).rgb; }\n",
    "#version 330 core\nin vec2 uv;\nuniform sampler2D scene, bloom, depth, flare;\nout vec3 colour;\n"
    "void main() { colour = texture(scene, uv).rgb + texture(bloom, uv).rgb\n"
    "                       + texture(flare, uv).rgb * texture(depth, uv).r; }\n",
};
const char* const kCompositeSamplers[] = {"scene", "bloom", "depth", "flare"};

GLuint CompileStage(GLenum type, const char* source)
{
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

GLuint LinkProgram(const char* fragmentSource)
{
    const GLuint program = glCreateProgram();
    const GLuint stages[] = {CompileStage(GL_VERTEX_SHADER, kVertexSource),
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

// What the floor changes that the application's frame does not set again itself.
struct SavedState
{
    GLboolean depthTest = GL_FALSE;
    GLboolean offsetFill = GL_FALSE;
    GLfloat clearColour[4] = {};
    GLint viewport[4] = {};
};

SavedState SaveState()
{
    SavedState state;
    state.depthTest = glIsEnabled(GL_DEPTH_TEST);
    state.offsetFill = glIsEnabled(GL_POLYGON_OFFSET_FILL);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, state.clearColour);
    glGetIntegerv(GL_VIEWPORT, state.viewport);
    return state;
}

void SetEnabled(GLenum capability, GLboolean enabled)
{
    if (enabled == GL_TRUE)
        glEnable(capability);
    else
        glDisable(capability);
}

void RestoreState(const SavedState& state)
{
    for (GLenum unit = 4; unit-- > 0;)
    {
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindVertexArray(0);
    glUseProgram(0);
    SetEnabled(GL_DEPTH_TEST, state.depthTest);
    SetEnabled(GL_POLYGON_OFFSET_FILL, state.offsetFill);
    glClearColor(state.clearColour[0], state.clearColour[1], state.clearColour[2], state.clearColour[3]);
    glViewport(state.viewport[0], state.viewport[1], state.viewport[2], state.viewport[3]);
}
}

bool RasterFloor::Create(int windowWidth, int windowHeight, int mapWidth, int mapHeight)
{
    width = windowWidth;
    height = windowHeight;
    shadowWidth = mapWidth;
    shadowHeight = mapHeight;
    const float quad[] = {-1, 1, -1, -1, 1, -1, -1, 1, 1, -1, 1, 1};
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glGenBuffers(1, &vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    if (!CreatePrograms() || !CreateTargets())
        return false;
    Draw();
    return true;
}

bool RasterFloor::CreatePrograms()
{
    for (int i = 0; i < ProgramCount; ++i)
        if ((programs[size_t(i)] = LinkProgram(kFragmentSources[i])) == 0)
            return false;
    glUseProgram(programs[Composite]);
    for (GLint unit = 0; unit < 4; ++unit)
        glUniform1i(glGetUniformLocation(programs[Composite], kCompositeSamplers[unit]), unit);
    glUseProgram(0);
    return true;
}

GLuint RasterFloor::AddTexture(int textureWidth, int textureHeight, GLenum internalFormat, GLenum format)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(internalFormat), textureWidth, textureHeight, 0, format, GL_FLOAT, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    textures.push_back(texture);
    return texture;
}

GLuint RasterFloor::AddFramebuffer(const std::vector<GLuint>& colour, GLuint depth)
{
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    std::vector<GLenum> drawBuffers;
    for (size_t i = 0; i < colour.size(); ++i)
    {
        glFramebufferTexture2D(GL_FRAMEBUFFER, GLenum(GL_COLOR_ATTACHMENT0 + i), GL_TEXTURE_2D, colour[i], 0);
        drawBuffers.push_back(GLenum(GL_COLOR_ATTACHMENT0 + i));
    }
    if (depth != 0)
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth, 0);
    if (drawBuffers.empty())
    {
        glDrawBuffer(GL_NONE);
        glReadBuffer(GL_NONE);
    }
    else
        glDrawBuffers(GLsizei(drawBuffers.size()), drawBuffers.data());
    framebuffers.push_back(framebuffer);
    return framebuffer;
}

bool RasterFloor::CreateTargets()
{
    for (GLuint& cascade : cascades)
        cascade = AddTexture(shadowWidth, shadowHeight, GL_DEPTH_COMPONENT32, GL_DEPTH_COMPONENT);
    cascadeTarget = AddFramebuffer({}, cascades[0]);

    glGenTextures(1, &cube);
    glBindTexture(GL_TEXTURE_CUBE_MAP, cube);
    for (GLenum face = 0; face < 6; ++face)
        glTexImage2D(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face, 0, GL_R32F, shadowWidth, shadowHeight, 0, GL_RED, GL_FLOAT,
                     nullptr);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_CUBE_MAP, 0);
    cubeTarget = AddFramebuffer({}, AddTexture(shadowWidth, shadowHeight, GL_DEPTH_COMPONENT, GL_DEPTH_COMPONENT));
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_CUBE_MAP_POSITIVE_X, cube, 0);
    glDrawBuffer(GL_COLOR_ATTACHMENT0);

    for (GLuint& texture : sceneTextures)
        texture = AddTexture(width, height, GL_RGB16F, GL_RGB);
    sceneTarget = AddFramebuffer({sceneTextures.begin(), sceneTextures.end()}, 0);
    glGenRenderbuffers(1, &sceneDepth);
    glBindRenderbuffer(GL_RENDERBUFFER, sceneDepth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, sceneDepth);

    const glm::ivec2 small = LensFlareSmallSize(width, height);
    for (size_t i = 0; i < 2; ++i)
    {
        smallTargets[i] = AddFramebuffer({smallTextures[i] = AddTexture(small.x, small.y, GL_RGB16F, GL_RGB)}, 0);
        bloomTargets[i] = AddFramebuffer({bloomTextures[i] = AddTexture(width, height, GL_RGB16F, GL_RGB)}, 0);
    }
    detailsTarget = AddFramebuffer({detailsTexture = AddTexture(width, height, GL_RGB16F, GL_RGB)}, 0);
    compositeTarget = AddFramebuffer({compositeTexture = AddTexture(width, height, GL_RGB16F, GL_RGB)}, 0);

    bool complete = true;
    for (GLuint framebuffer : framebuffers)
    {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        complete = complete && glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete)
        std::fprintf(stderr, "kestrune-capture: a raster floor framebuffer is not complete\n");
    return complete;
}

void RasterFloor::Destroy()
{
    for (GLuint& program : programs)
        glDeleteProgram(program);
    programs = {};
    glDeleteFramebuffers(GLsizei(framebuffers.size()), framebuffers.data());
    glDeleteTextures(GLsizei(textures.size()), textures.data());
    framebuffers.clear();
    textures.clear();
    glDeleteTextures(1, &cube);
    glDeleteRenderbuffers(1, &sceneDepth);
    glDeleteBuffers(1, &vertexBuffer);
    glDeleteVertexArrays(1, &vertexArray);
    cube = sceneDepth = vertexBuffer = vertexArray = 0;
}

void RasterFloor::DrawQuad(Program program, GLuint texture) const
{
    glUseProgram(programs[program]);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glDrawArrays(GL_TRIANGLES, 0, 6);
}

void RasterFloor::DrawCascades() const
{
    glViewport(0, 0, shadowWidth, shadowHeight);
    glBindFramebuffer(GL_FRAMEBUFFER, cascadeTarget);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(2.0f, 2.0f);
    for (GLuint cascade : cascades)
    {
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, cascade, 0);
        glClear(GL_DEPTH_BUFFER_BIT);
        DrawQuad(Depth, 0);
    }
    glDisable(GL_POLYGON_OFFSET_FILL);
}

void RasterFloor::DrawCubes() const
{
    glBindFramebuffer(GL_FRAMEBUFFER, cubeTarget);
    const float farthest = std::numeric_limits<float>::max();
    glClearColor(farthest, farthest, farthest, farthest);
    for (int light = 0; light < kCubeLights; ++light)
        for (GLenum face = 0; face < 6; ++face)
        {
            glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_CUBE_MAP_POSITIVE_X + face, cube,
                                   0);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            DrawQuad(Red, 0);
        }
}

void RasterFloor::DrawScene() const
{
    glViewport(0, 0, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, sceneTarget);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawQuad(Scene, cascades[0]);
}

void RasterFloor::DrawLensFlare() const
{
    const glm::ivec2 small = LensFlareSmallSize(width, height);
    glViewport(0, 0, small.x, small.y);
    glBindFramebuffer(GL_FRAMEBUFFER, smallTargets[0]);
    DrawQuad(Copy, sceneTextures[1]);
    glBindFramebuffer(GL_FRAMEBUFFER, smallTargets[1]);
    DrawQuad(Copy, smallTextures[0]);
    for (size_t i = 0; i < kLensFlareBlurPasses; ++i)
    {
        glBindFramebuffer(GL_FRAMEBUFFER, smallTargets[i % 2]);
        DrawQuad(Copy, smallTextures[(i + 1) % 2]);
    }
    glViewport(0, 0, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, detailsTarget);
    DrawQuad(Copy, smallTextures[(kLensFlareBlurPasses + 1) % 2]);
}

void RasterFloor::DrawBloom() const
{
    GLuint source = sceneTextures[1];
    for (size_t i = 0; i < kBloomPasses; ++i)
    {
        glBindFramebuffer(GL_FRAMEBUFFER, bloomTargets[i % 2]);
        DrawQuad(Copy, source);
        source = bloomTextures[i % 2];
    }
}

void RasterFloor::DrawComposite() const
{
    glBindFramebuffer(GL_FRAMEBUFFER, compositeTarget);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const GLuint inputs[] = {sceneTextures[0], bloomTextures[(kBloomPasses + 1) % 2], sceneTextures[2], detailsTexture};
    for (GLenum unit = 0; unit < 4; ++unit)
    {
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, inputs[unit]);
    }
    glUseProgram(programs[Composite]);
    glDrawArrays(GL_TRIANGLES, 0, 6);
}

void RasterFloor::DrawFxaa() const
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawQuad(Copy, compositeTexture);
}

StageTimes RasterFloor::Draw()
{
    using Clock = std::chrono::steady_clock;
    const SavedState saved = SaveState();
    glBindVertexArray(vertexArray);
    glEnable(GL_DEPTH_TEST);
    // The scene pass leaves sampler objects on some units; the floor samples with the textures' own filtering.
    for (GLuint unit = 0; unit < 4; ++unit)
        glBindSampler(unit, 0);
    using Pass = void (RasterFloor::*)() const;
    const Pass passes[] = {&RasterFloor::DrawCascades,  &RasterFloor::DrawCubes, &RasterFloor::DrawScene,
                           &RasterFloor::DrawLensFlare, &RasterFloor::DrawBloom, &RasterFloor::DrawComposite,
                           &RasterFloor::DrawFxaa};
    StageTimes times;
    glFinish();
    Clock::time_point last = Clock::now();
    for (size_t i = 0; i < std::size(passes); ++i)
    {
        (this->*passes[i])();
        glFinish();
        const Clock::time_point now = Clock::now();
        times.emplace_back(FloorPassNames()[i], std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    }
    RestoreState(saved);
    return times;
}
