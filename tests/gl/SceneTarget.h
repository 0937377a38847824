#pragma once

#include <GL/glew.h>
#include <glm/glm.hpp>

#include <cmath>
#include <vector>

#include "core/CCamera.h"
#include "camera/CameraMath.h"

// A camera that stays where the test puts it, looking from `eye` along `direction`.
class CTestCamera : public CCamera
{
public:
    glm::vec3 GetPosition() override { return eye; }
    glm::vec3 GetTarget() override { return eye + direction; }
    Matrix4 GetViewMatrix() override
    {
        const bool vertical = std::abs(glm::normalize(direction).y) > 0.99f;
        return MakeLookAt(eye, eye + direction, vertical ? glm::vec3(0, 0, -1) : glm::vec3(0, 1, 0));
    }
    void Update() override {}

    glm::vec3 eye = glm::vec3(0.0f);
    glm::vec3 direction = glm::vec3(0, 0, -1);
};

// A square framebuffer with the scene pass's three float outputs (colour,
// bright part, depth of field) and a depth-stencil buffer.
class SceneTarget
{
public:
    explicit SceneTarget(int size) : size(size)
    {
        glGenFramebuffers(1, &framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glGenTextures(3, outputs);
        for (GLuint i = 0; i < 3; ++i)
        {
            glBindTexture(GL_TEXTURE_2D, outputs[i]);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, size, size, 0, GL_RGBA, GL_FLOAT, nullptr);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0 + i, GL_TEXTURE_2D, outputs[i], 0);
        }
        glBindTexture(GL_TEXTURE_2D, 0);
        glGenRenderbuffers(1, &depth);
        glBindRenderbuffer(GL_RENDERBUFFER, depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, size, size);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depth);
        const GLenum buffers[3] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1, GL_COLOR_ATTACHMENT2};
        glDrawBuffers(3, buffers);
        complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }
    ~SceneTarget()
    {
        glDeleteFramebuffers(1, &framebuffer);
        glDeleteTextures(3, outputs);
        glDeleteRenderbuffers(1, &depth);
    }

    // Binds the target and clears every output to opaque black and the depth to far.
    void Clear() const
    {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glViewport(0, 0, size, size);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // Every texel of an output, bottom row first.
    std::vector<glm::vec4> Read(int output) const
    {
        std::vector<glm::vec4> texels(size_t(size * size));
        glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
        glReadBuffer(GL_COLOR_ATTACHMENT0 + GLenum(output));
        glReadPixels(0, 0, size, size, GL_RGBA, GL_FLOAT, texels.data());
        return texels;
    }

    glm::vec4 At(int output, int x, int y) const { return Read(output)[size_t(y * size + x)]; }
    glm::vec4 Centre(int output) const { return At(output, size / 2, size / 2); }

    const int size;
    GLuint framebuffer = 0, outputs[3] = {}, depth = 0;
    bool complete = false;
};
