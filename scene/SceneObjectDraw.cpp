#include "scene/SceneObjectDraw.h"

#include "shaders/CShaderProgram.h"

void DrawSceneObject(const SceneObject& object, CShaderProgram* overrideProgram, uint32_t excludedFlags,
                     const CMesh::EntryFilter& drawEntry)
{
    if ((object.flags & excludedFlags) != 0)
        return;
    CShaderProgram* program = overrideProgram != nullptr ? overrideProgram : object.program;
    // A program that failed to build draws nothing rather than whatever program is current.
    if (program != nullptr && !program->linked)
        return;
    if (program != nullptr)
    {
        program->Use();
        program->SetupEntity(object);
    }
    if (object.mesh != nullptr)
        object.mesh->Render(program, drawEntry);
}
