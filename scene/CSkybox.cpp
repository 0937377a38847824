#include "scene/CSkybox.h"

#include "app/CApplication.h"

namespace
{
// Six faces of two triangles each: z = -1, x = -1, x = +1, z = +1, y = +1, y = -1.
const float cubeVertices[36 * 3] = {
    -1, 1,  -1, -1, -1, -1, 1,  -1, -1, 1,  -1, -1, 1,  1,  -1, -1, 1,  -1, // z = -1
    -1, -1, 1,  -1, -1, -1, -1, 1,  -1, -1, 1,  -1, -1, 1,  1,  -1, -1, 1,  // x = -1
    1,  -1, -1, 1,  -1, 1,  1,  1,  1,  1,  1,  1,  1,  1,  -1, 1,  -1, -1, // x = +1
    -1, -1, 1,  -1, 1,  1,  1,  1,  1,  1,  1,  1,  1,  -1, 1,  -1, -1, 1,  // z = +1
    -1, 1,  -1, 1,  1,  -1, 1,  1,  1,  1,  1,  1,  -1, 1,  1,  -1, 1,  -1, // y = +1
    -1, -1, -1, -1, -1, 1,  1,  -1, -1, 1,  -1, -1, -1, -1, 1,  1,  -1, 1,  // y = -1
};

void UploadMatrix(GLuint programId, const char* name, const Matrix4& matrix)
{
    glUniformMatrix4fv(glGetUniformLocation(programId, name), 1, GL_TRUE, matrix.Data());
}
}

Matrix4 ViewWithoutTranslation(const Matrix4& view)
{
    Matrix4 result;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            result.m[row][col] = view.m[row][col];
    result.m[3][3] = 1.0f;
    return result;
}

bool CSkybox::Init(const std::string&)
{
    Release();
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    cubeBuffer.Create();
    cubeBuffer.Bind(GL_ARRAY_BUFFER);
    cubeBuffer.AddData(cubeVertices, sizeof(cubeVertices));
    cubeBuffer.UploadToGPU(GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 3 * sizeof(float), nullptr);
    glBindVertexArray(0);
    initialized = true;
    return true;
}

void CSkybox::CreateProgram(const char* vertexPath, const char* fragmentPath)
{
    program.Create();
    program.LoadAndAttachStages(
        {{&vertexShader, vertexPath, GL_VERTEX_SHADER}, {&fragmentShader, fragmentPath, GL_FRAGMENT_SHADER}});
    program.Link();
}

void CSkybox::Render()
{
    // Without a linked program there is nothing sensible to draw the cube with.
    if (!initialized || !program.linked)
        return;
    glDepthMask(GL_FALSE);
    program.Use();
    const CApplication& app = CApplication::GetInstance();
    const Matrix4 view = app.camera ? app.camera->GetViewMatrix() : Matrix4::Identity();
    UploadMatrix(program.programId, "view", ViewWithoutTranslation(view));
    UploadMatrix(program.programId, "projection", app.projection);
    BindTextures();
    glBindVertexArray(vao);
    glDrawArrays(GL_TRIANGLES, 0, 36);
    glBindVertexArray(0);
    glDepthMask(GL_TRUE);
}

void CSkybox::Release()
{
    if (initialized)
    {
        glDeleteVertexArrays(1, &vao);
        vao = 0;
        cubeBuffer.Delete();
        program.DestroyWithStages({&vertexShader, &fragmentShader});
    }
    initialized = false;
}
