#include "scene/PointShadowKey.h"

#include <cstring>

namespace
{
template <typename T>
void Append(std::vector<uint8_t>& bytes, const T& value)
{
    const size_t at = bytes.size();
    bytes.resize(at + sizeof(T));
    std::memcpy(bytes.data() + at, &value, sizeof(T));
}
}

PointShadowKey MakePointShadowKey(const PointLight& light, int width, int height,
                                  const std::vector<SceneObject>& objects, uint32_t notCasting)
{
    PointShadowKey key;
    Append(key.bytes, light.Position);
    Append(key.bytes, light.Base.Color);
    Append(key.bytes, light.Base.DiffuseIntensity);
    Append(key.bytes, light.Atten.Constant);
    Append(key.bytes, light.Atten.Linear);
    Append(key.bytes, light.Atten.Exp);
    Append(key.bytes, width);
    Append(key.bytes, height);
    for (const SceneObject& object : objects)
    {
        if ((object.flags & notCasting) != 0 || object.mesh == nullptr)
            continue;
        Append(key.bytes, object.mesh);
        Append(key.bytes, object.position);
        Append(key.bytes, object.rotation);
        Append(key.bytes, object.scale);
    }
    return key;
}
