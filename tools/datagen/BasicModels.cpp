#include <cmath>

#include "Models.h"

// The light marker: a unit sphere of 32 x 16 facets.
CMeshBuilder BuildSphere()
{
    CMeshBuilder mesh;
    mesh.AddMaterial({"marker", "sphere_diffuse.png", glm::vec3(0.5f), 32.0f});
    mesh.BeginObject("sphere", "marker");
    const int slices = 32;
    const int stacks = 16;
    for (int j = 0; j <= stacks; ++j)
    {
        const float phi = 3.1415927f * j / stacks;
        for (int i = 0; i <= slices; ++i)
        {
            const float theta = 6.2831853f * i / slices;
            const glm::vec3 p(std::sin(phi) * std::cos(theta), std::cos(phi), std::sin(phi) * std::sin(theta));
            mesh.AddVertex(p, p, glm::vec2(static_cast<float>(i) / slices, 1.0f - static_cast<float>(j) / stacks));
        }
    }
    for (int j = 0; j < stacks; ++j)
    {
        for (int i = 0; i < slices; ++i)
        {
            const uint32_t a = static_cast<uint32_t>(j * (slices + 1) + i);
            const uint32_t b = a + static_cast<uint32_t>(slices + 1);
            if (j > 0)
                mesh.AddTriangle(a, a + 1, b);
            if (j < stacks - 1)
                mesh.AddTriangle(a + 1, b + 1, b);
        }
    }
    return mesh;
}

// The sky's sprite card: a square from -1 to 1 in the xy plane facing +z,
// texture coordinates 0 to 1, one material for the sprite to replace.
CMeshBuilder BuildQuad()
{
    CMeshBuilder mesh;
    mesh.AddMaterial({"sprite", "", glm::vec3(0.0f), 1.0f});
    mesh.BeginObject("quad", "sprite");
    const glm::vec3 corners[4] = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
    const glm::vec2 uvs[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    mesh.AddQuad(corners, uvs);
    return mesh;
}
