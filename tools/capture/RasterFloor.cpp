#include "RasterFloor.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <iterator>

#include "FloorComparison.h"
#include "FloorProgram.h"
#include "effects/LensFlareMath.h"
#include "textures/TextureParameters.h"

namespace
{
const size_t kLensFlareBlurPasses = 4;
const size_t kBloomPasses = 10;

const char* const kVertexSource =
    "#version 330 core\n"
    "layout(location = 0) in vec2 position;\n"
    "out vec2 uv;\n"
    "void main() { uv = position * 0.5 + 0.5; gl_Position = vec4(position, 0.5, 1.0); }\n";

// Indexed by RasterFloor's Program.
const char* const kFragmentSources[] = {
    "#version 330 core\n"
    "layout(location = 0) out vec4 colour;\n"
    "layout(location = 1) out vec4 bright;\n"
    "layout(location = 2) out vec4 depth;\n"
    "void main() { colour = vec4(0.1, 0.17, 0.36, 1.0); bright = vec4(0.0); depth = vec4(1.0); }\n",
    "#version 330 core\nin vec2 uv;\nuniform sampler2D source;\nout vec3 colour;\n"
    "void main() { colour = texture(source, uv).rgb; }\n",
    "#version 330 core\nin vec2 uv;\nuniform sampler2D scene, bloom, depth, flare;\nout vec3 colour;\n"
    "void main() { colour = texture(scene, uv).rgb + texture(bloom, uv).rgb\n"
    "                       + texture(flare, uv).rgb * texture(depth, uv).r; }\n",
};
const char* const kCompositeSamplers[] = {"scene", "bloom", "depth", "flare"};

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

bool RasterFloor::Create(CMainScene& scene, int windowWidth, int windowHeight, int mapWidth, int mapHeight)
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
    if (!CreatePrograms() || !CreateTargets() || !sceneFloor.Create(scene, mapWidth, mapHeight))
        return false;
    Draw();
    return true;
}

bool RasterFloor::CreatePrograms()
{
    for (int i = 0; i < ProgramCount; ++i)
        if ((programs[size_t(i)] = LinkFloorProgram(kVertexSource, kFragmentSources[i])) == 0)
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
    SetLinearClamped(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    textures.push_back(texture);
    return texture;
}

GLuint RasterFloor::AddFramebuffer(const std::vector<GLuint>& colour)
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
    glDrawBuffers(GLsizei(drawBuffers.size()), drawBuffers.data());
    framebuffers.push_back(framebuffer);
    return framebuffer;
}

bool RasterFloor::CreateTargets()
{
    for (GLuint& texture : sceneTextures)
        texture = AddTexture(width, height, GL_RGB16F, GL_RGB);
    sceneTarget = AddFramebuffer({sceneTextures.begin(), sceneTextures.end()});
    glGenRenderbuffers(1, &sceneDepth);
    glBindRenderbuffer(GL_RENDERBUFFER, sceneDepth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, sceneDepth);

    const glm::ivec2 small = LensFlareSmallSize(width, height);
    for (size_t i = 0; i < 2; ++i)
    {
        smallTargets[i] = AddFramebuffer({smallTextures[i] = AddTexture(small.x, small.y, GL_RGB16F, GL_RGB)});
        bloomTargets[i] = AddFramebuffer({bloomTextures[i] = AddTexture(width, height, GL_RGB16F, GL_RGB)});
    }
    detailsTarget = AddFramebuffer({detailsTexture = AddTexture(width, height, GL_RGB16F, GL_RGB)});
    compositeTarget = AddFramebuffer({compositeTexture = AddTexture(width, height, GL_RGB16F, GL_RGB)});

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
    glDeleteRenderbuffers(1, &sceneDepth);
    glDeleteBuffers(1, &vertexBuffer);
    glDeleteVertexArrays(1, &vertexArray);
    sceneDepth = vertexBuffer = vertexArray = 0;
    sceneFloor.Destroy();
}

void RasterFloor::DrawQuad(Program program, GLuint texture) const
{
    glUseProgram(programs[program]);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glDrawArrays(GL_TRIANGLES, 0, 6);
}

void RasterFloor::DrawCascades()
{
    sceneFloor.DrawCascades();
}

void RasterFloor::DrawCubes()
{
    sceneFloor.DrawCubes();
}

// The sky covers every pixel once, with depth writes off, before the meshes.
void RasterFloor::DrawScene()
{
    glViewport(0, 0, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, sceneTarget);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDepthMask(GL_FALSE);
    glBindVertexArray(vertexArray);
    DrawQuad(Sky, 0);
    glDepthMask(GL_TRUE);
    sceneFloor.DrawMeshes();
}

void RasterFloor::DrawLensFlare()
{
    // The scene pass leaves sampler objects on some units (the snow's sprite);
    // the passes after it sample with the textures' own filtering.
    for (GLuint unit = 0; unit < 4; ++unit)
        glBindSampler(unit, 0);
    glBindVertexArray(vertexArray);
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

void RasterFloor::DrawBloom()
{
    GLuint source = sceneTextures[1];
    for (size_t i = 0; i < kBloomPasses; ++i)
    {
        glBindFramebuffer(GL_FRAMEBUFFER, bloomTargets[i % 2]);
        DrawQuad(Copy, source);
        source = bloomTextures[i % 2];
    }
}

void RasterFloor::DrawComposite()
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

void RasterFloor::DrawFxaa()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawQuad(Copy, compositeTexture);
}

StageTimes RasterFloor::Draw()
{
    using Clock = std::chrono::steady_clock;
    const SavedState saved = SaveState();
    glEnable(GL_DEPTH_TEST);
    const std::function<void()> passes[] = {
        [this] { DrawCascades(); },  [this] { DrawCubes(); }, [this] { DrawScene(); },
        [this] { DrawLensFlare(); }, [this] { DrawBloom(); }, [this] { DrawComposite(); },
        [this] { DrawFxaa(); },
    };
    StageTimes times;
    glFinish();
    Clock::time_point last = Clock::now();
    for (size_t i = 0; i < std::size(passes); ++i)
    {
        passes[i]();
        glFinish();
        const Clock::time_point now = Clock::now();
        times.emplace_back(FloorPassNames()[i], std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    }
    RestoreState(saved);
    return times;
}
