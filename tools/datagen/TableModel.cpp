#include "Models.h"

// A low table of dark wood at the origin: a thick top on an apron and four
// square legs, its top about 1.6 above the ground, under the hanging lamp.
CMeshBuilder BuildTable()
{
    CMeshBuilder mesh;
    mesh.AddMaterial({"table_wood", "wood_diffuse.png", glm::vec3(0.35f), 24.0f});
    mesh.BeginObject("top", "table_wood");
    const float uv = 0.45f;
    mesh.AddBox(glm::vec3(0.0f, 1.56f, 0.0f), glm::vec3(2.0f, 0.07f, 1.3f), uv);
    mesh.BeginObject("apron", "table_wood");
    mesh.AddBox(glm::vec3(0.0f, 1.41f, 1.1f), glm::vec3(1.78f, 0.08f, 0.05f), uv);
    mesh.AddBox(glm::vec3(0.0f, 1.41f, -1.1f), glm::vec3(1.78f, 0.08f, 0.05f), uv);
    mesh.AddBox(glm::vec3(1.78f, 1.41f, 0.0f), glm::vec3(0.05f, 0.08f, 1.05f), uv);
    mesh.AddBox(glm::vec3(-1.78f, 1.41f, 0.0f), glm::vec3(0.05f, 0.08f, 1.05f), uv);
    mesh.BeginObject("legs", "table_wood");
    for (float x : {-1.68f, 1.68f})
        for (float z : {-0.98f, 0.98f})
            mesh.AddBox(glm::vec3(x, 0.7f, z), glm::vec3(0.11f, 0.7f, 0.11f), uv);
    return mesh;
}
