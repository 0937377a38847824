#pragma once

#include <GL/glew.h>

#include <string>

#include "core/Matrix4.h"
#include "scene/CVertexBufferObject.h"
#include "shaders/CShader.h"
#include "shaders/CShaderProgram.h"

// A sky drawn first each frame as a unit cube around the camera, with depth
// writes off. The cube turns with the camera but never moves with it.
// Derived skies choose the program's stages and what it samples.
class CSkybox
{
public:
    virtual ~CSkybox() = default;

    // `path` is a pattern with one "%s" for the sky's image names. Releases
    // whatever an earlier Init made first.
    virtual bool Init(const std::string& path);
    virtual void Render();
    virtual void Release();
    virtual void BindTextures() = 0;

protected:
    // Loads both stages, attaches those that compiled and links `program`.
    void CreateProgram(const char* vertexPath, const char* fragmentPath);

    GLuint vao = 0;
    CVertexBufferObject cubeBuffer;
    CShaderProgram program;
    CShader vertexShader;
    CShader fragmentShader;
    bool initialized = false;
};

// The camera's view with its translation dropped: the upper-left 3x3 kept,
// the rest of the last row and column zero and the corner 1.
Matrix4 ViewWithoutTranslation(const Matrix4& view);
