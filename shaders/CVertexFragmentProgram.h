#pragma once

#include "shaders/CShaderProgram.h"

// A program built from one vertex and one fragment stage and a uniform table,
// as most program classes are; they name their two files and their table.
class CVertexFragmentProgram : public CShaderProgram
{
public:
    void Create() override;
    void Destroy() override;

    CShader vertexShader;
    CShader fragmentShader;

protected:
    CVertexFragmentProgram(const char* vertexPath, const char* fragmentPath, const UniformTable& uniformTable);

private:
    const char* vertexPath;
    const char* fragmentPath;
    const UniformTable& uniformTable;
};
