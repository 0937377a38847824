#include "shaders/UniformUpload.h"

#include "app/CApplication.h"
#include "shaders/CShaderProgram.h"

void SetUniform(const CShaderProgram& program, const std::string& name, GLint value)
{
    glUniform1i(program.GetUniformLocation(name), value);
}

void SetUniform(const CShaderProgram& program, const std::string& name, float value)
{
    glUniform1f(program.GetUniformLocation(name), value);
}

void SetUniform(const CShaderProgram& program, const std::string& name, const glm::vec2& value)
{
    glUniform2f(program.GetUniformLocation(name), value.x, value.y);
}

void SetUniform(const CShaderProgram& program, const std::string& name, const glm::vec3& value)
{
    glUniform3f(program.GetUniformLocation(name), value.x, value.y, value.z);
}

void SetUniform(const CShaderProgram& program, const std::string& name, const glm::vec4& value)
{
    glUniform4f(program.GetUniformLocation(name), value.x, value.y, value.z, value.w);
}

void SetUniform(const CShaderProgram& program, const std::string& name, const Matrix4& value)
{
    glUniformMatrix4fv(program.GetUniformLocation(name), 1, GL_TRUE, value.Data());
}

void SetUniform(const CShaderProgram& program, const std::string& name, const glm::mat3& value)
{
    glUniformMatrix3fv(program.GetUniformLocation(name), 1, GL_FALSE, &value[0][0]);
}

Matrix4 CameraView()
{
    CCamera* camera = CApplication::GetInstance().camera;
    return camera ? camera->GetViewMatrix() : Matrix4::Identity();
}

Matrix4 CameraMVP(const Matrix4& model)
{
    return CApplication::GetInstance().projection * CameraView() * model;
}
