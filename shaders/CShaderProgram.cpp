#include "shaders/CShaderProgram.h"

#include <cstdio>
#include <vector>

void CShaderProgram::Create()
{
    programId = glCreateProgram();
}

void CShaderProgram::Destroy()
{
    // A program whose link failed is deleted as well, so nothing outlives Destroy.
    linked = false;
    if (programId != 0)
    {
        glDeleteProgram(programId);
        programId = 0;
    }
}

void CShaderProgram::SetupEntity(const SceneObject&)
{
    std::printf("Warning! Shader program entity setup not implemented.\n");
}

void CShaderProgram::SetupMaterial(const CMaterial*) {}

bool CShaderProgram::Link()
{
    glLinkProgram(programId);
    GLint status = GL_FALSE;
    glGetProgramiv(programId, GL_LINK_STATUS, &status);
    linked = status == GL_TRUE;

    GLint logLength = 0;
    glGetProgramiv(programId, GL_INFO_LOG_LENGTH, &logLength);
    if (logLength > 0)
    {
        std::vector<GLchar> log(size_t(logLength), '\0');
        glGetProgramInfoLog(programId, logLength, nullptr, log.data());
        std::printf("Prog Info Log : %s\n", log.data());
    }
    return linked;
}

void CShaderProgram::Use() const
{
    if (linked)
        glUseProgram(programId);
}

GLint CShaderProgram::GetUniformLocation(const std::string& name) const
{
    const auto found = uniformLocations.find(name);
    return found == uniformLocations.end() ? -1 : found->second;
}

void CShaderProgram::CreateFromStages(std::initializer_list<ShaderStage> stages, const UniformTable& table,
                                      bool reportInactive)
{
    CShaderProgram::Create();
    LoadAndAttachStages(stages);
    Link();
    RegisterUniforms(table, reportInactive);
}

void CShaderProgram::LoadAndAttachStages(std::initializer_list<ShaderStage> stages)
{
    for (const ShaderStage& stage : stages)
        LoadShader(*stage.shader, stage.path, stage.type, stage.defines);
    for (const ShaderStage& stage : stages)
    {
        if (stage.shader->loaded)
            glAttachShader(programId, stage.shader->id);
    }
}

void CShaderProgram::RegisterUniforms(const UniformTable& table, bool reportInactive)
{
    for (const std::string& name : ExpandUniformNames(table))
    {
        // An unlinked program has no active uniforms (and querying it is an error).
        const GLint location = linked ? glGetUniformLocation(programId, name.c_str()) : -1;
        if (location == -1 && (reportInactive || !linked))
            std::printf("Warning! Unable to get the location of uniform '%s'\n", name.c_str());
        uniformLocations[name] = location;
    }
}

void CShaderProgram::DestroyWithStages(std::initializer_list<CShader*> stages)
{
    for (CShader* stage : stages)
    {
        if (stage->loaded)
        {
            stage->loaded = false;
            glDeleteShader(stage->id);
            stage->id = 0;
        }
    }
    CShaderProgram::Destroy();
}
