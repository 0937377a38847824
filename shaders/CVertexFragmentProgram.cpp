#include "shaders/CVertexFragmentProgram.h"

CVertexFragmentProgram::CVertexFragmentProgram(const char* vertexPath, const char* fragmentPath,
                                               const UniformTable& uniformTable)
    : vertexPath(vertexPath), fragmentPath(fragmentPath), uniformTable(uniformTable)
{
}

void CVertexFragmentProgram::Create()
{
    CreateFromStages({{&vertexShader, vertexPath, GL_VERTEX_SHADER},
                      {&fragmentShader, fragmentPath, GL_FRAGMENT_SHADER}},
                     uniformTable);
}

void CVertexFragmentProgram::Destroy()
{
    DestroyWithStages({&vertexShader, &fragmentShader});
}
