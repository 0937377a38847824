#pragma once

#include <GL/glew.h>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "shaders/CShader.h"
#include "shaders/UniformNames.h"

struct SceneObject;
class CMaterial;

// One stage a program class is built from.
struct ShaderStage
{
    CShader* shader;
    const char* path;
    GLenum type;
    std::vector<std::string> defines = {}; // a variant of the file
};

// Base of every GPU program: the program object, whether it linked, and the
// locations of the uniform names its class registered. GL objects are made by
// Create and freed by Destroy only.
class CShaderProgram
{
public:
    virtual ~CShaderProgram() = default;

    virtual void Create();
    virtual void Destroy();
    virtual void SetupEntity(const SceneObject& object);
    virtual void SetupMaterial(const CMaterial* material);

    // Links and prints the driver's log whenever it has one.
    bool Link();
    // Makes the program current; an unlinked program leaves the current one alone.
    void Use() const;
    // -1 for a name that is not an active uniform or was never registered.
    GLint GetUniformLocation(const std::string& name) const;

    // For owners that build a plain program from stages of their own: loads
    // them and attaches the ones that loaded (after Create, before Link).
    void LoadAndAttachStages(std::initializer_list<ShaderStage> stages);
    // Deletes the loaded stages in order, then the program.
    void DestroyWithStages(std::initializer_list<CShader*> stages);

    GLuint programId = 0;
    bool linked = false;
    std::map<std::string, GLint> uniformLocations;

protected:
    // The whole creation of a program class: the program object, its stages
    // loaded and the loaded ones attached, the link and the uniform table.
    // A variant built without some of its file's terms names `reportInactive`
    // false: the uniforms of those terms are then silently absent (-1).
    void CreateFromStages(std::initializer_list<ShaderStage> stages, const UniformTable& table,
                          bool reportInactive = true);
    void RegisterUniforms(const UniformTable& table, bool reportInactive = true);
};
