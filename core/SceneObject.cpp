#include "core/SceneObject.h"

Matrix4 MakeModelMatrix(const SceneObject& object)
{
    return MakeTranslation(object.position) * MakeRotationMatrix(object.rotation) * MakeScale(object.scale);
}
