#include "CMeshBuilder.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

void CMeshBuilder::AddMaterial(const MaterialDef& material)
{
    materials.push_back(material);
}

void CMeshBuilder::BeginObject(const std::string& name, const std::string& material)
{
    groups.push_back(Group{name, material, {}});
}

void CMeshBuilder::SetTransform(const glm::mat4& newTransform)
{
    transform = newTransform;
    normalTransform = glm::transpose(glm::inverse(glm::mat3(newTransform)));
}

uint32_t CMeshBuilder::AddVertex(glm::vec3 position, glm::vec3 normal, glm::vec2 uv)
{
    positions.push_back(glm::vec3(transform * glm::vec4(position, 1.0f)));
    normals.push_back(glm::normalize(normalTransform * normal));
    uvs.push_back(uv);
    return static_cast<uint32_t>(positions.size() - 1);
}

void CMeshBuilder::AddTriangle(uint32_t a, uint32_t b, uint32_t c)
{
    const glm::vec3 face = glm::cross(positions[b] - positions[a], positions[c] - positions[a]);
    const glm::vec3 shared = normals[a] + normals[b] + normals[c];
    if (glm::dot(face, shared) < 0.0f)
        std::swap(b, c);
    if (groups.empty())
        BeginObject("default", materials.empty() ? "default" : materials.front().name);
    groups.back().indices.insert(groups.back().indices.end(), {a, b, c});
}

void CMeshBuilder::AddQuad(const glm::vec3 (&corners)[4], const glm::vec2 (&quadUvs)[4])
{
    const glm::vec3 normal = glm::normalize(glm::cross(corners[1] - corners[0], corners[3] - corners[0]));
    uint32_t index[4];
    for (int i = 0; i < 4; ++i)
        index[i] = AddVertex(corners[i], normal, quadUvs[i]);
    AddTriangle(index[0], index[1], index[2]);
    AddTriangle(index[0], index[2], index[3]);
}

void CMeshBuilder::AddBox(glm::vec3 center, glm::vec3 halfSize, float uvScale)
{
    for (int axis = 0; axis < 3; ++axis)
    {
        const int u = (axis + 1) % 3;
        const int v = (axis + 2) % 3;
        for (int sign = -1; sign <= 1; sign += 2)
        {
            glm::vec3 corners[4];
            glm::vec2 quadUvs[4];
            const float su[4] = {-1, 1, 1, -1};
            const float sv[4] = {-1, -1, 1, 1};
            for (int i = 0; i < 4; ++i)
            {
                glm::vec3 offset(0.0f);
                offset[axis] = sign * halfSize[axis];
                offset[u] = su[i] * halfSize[u] * sign;
                offset[v] = sv[i] * halfSize[v];
                corners[i] = center + offset;
                quadUvs[i] = glm::vec2(corners[i][u], corners[i][v]) * uvScale;
            }
            AddQuad(corners, quadUvs);
        }
    }
}

void CMeshBuilder::AddLatheBand(glm::vec2 a, glm::vec2 b, const LatheDef& lathe, float vStart)
{
    const glm::vec2 along = b - a;
    const glm::vec2 outward = glm::normalize(glm::vec2(along.y, -along.x));
    const float vEnd = vStart + glm::length(along) * lathe.uvScale;
    const float step = 6.2831853f / lathe.sides;
    const float circumference = 6.2831853f * std::max(a.x, b.x) * lathe.uvScale;
    auto ringPoint = [&](glm::vec2 p, float angle) {
        return glm::vec3(p.x * std::cos(angle), p.y, p.x * std::sin(angle));
    };
    auto radial = [&](float angle) {
        return glm::vec3(outward.x * std::cos(angle), outward.y, outward.x * std::sin(angle));
    };
    for (int i = 0; i < lathe.sides; ++i)
    {
        const float a0 = lathe.angleOffset + i * step;
        const float a1 = a0 + step;
        const float u0 = circumference * i / lathe.sides;
        const float u1 = circumference * (i + 1) / lathe.sides;
        const glm::vec3 flat = radial(a0 + 0.5f * step);
        const glm::vec3 n0 = lathe.smooth ? radial(a0) : flat;
        const glm::vec3 n1 = lathe.smooth ? radial(a1) : flat;
        const uint32_t v00 = AddVertex(ringPoint(a, a0), n0, glm::vec2(u0, vStart));
        const uint32_t v10 = AddVertex(ringPoint(a, a1), n1, glm::vec2(u1, vStart));
        const uint32_t v11 = AddVertex(ringPoint(b, a1), n1, glm::vec2(u1, vEnd));
        const uint32_t v01 = AddVertex(ringPoint(b, a0), n0, glm::vec2(u0, vEnd));
        AddTriangle(v00, v10, v11);
        AddTriangle(v00, v11, v01);
    }
}

void CMeshBuilder::AddDisc(float y, float radius, const LatheDef& lathe, bool up)
{
    const glm::vec3 normal(0.0f, up ? 1.0f : -1.0f, 0.0f);
    const uint32_t center = AddVertex(glm::vec3(0.0f, y, 0.0f), normal, glm::vec2(0.0f));
    const float step = 6.2831853f / lathe.sides;
    for (int i = 0; i < lathe.sides; ++i)
    {
        const float a0 = lathe.angleOffset + i * step;
        const float a1 = a0 + step;
        const glm::vec3 p0(radius * std::cos(a0), y, radius * std::sin(a0));
        const glm::vec3 p1(radius * std::cos(a1), y, radius * std::sin(a1));
        AddTriangle(center, AddVertex(p0, normal, glm::vec2(p0.x, p0.z) * lathe.uvScale),
                    AddVertex(p1, normal, glm::vec2(p1.x, p1.z) * lathe.uvScale));
    }
}

void CMeshBuilder::AddLathe(const LatheDef& lathe)
{
    float v = 0.0f;
    for (size_t i = 0; i + 1 < lathe.profile.size(); ++i)
    {
        AddLatheBand(lathe.profile[i], lathe.profile[i + 1], lathe, v);
        v += glm::length(lathe.profile[i + 1] - lathe.profile[i]) * lathe.uvScale;
    }
    if (lathe.capBottom && lathe.profile.front().x > 0.0f)
        AddDisc(lathe.profile.front().y, lathe.profile.front().x, lathe, false);
    if (lathe.capTop && lathe.profile.back().x > 0.0f)
        AddDisc(lathe.profile.back().y, lathe.profile.back().x, lathe, true);
}

size_t CMeshBuilder::TriangleCount() const
{
    size_t count = 0;
    for (const Group& group : groups)
        count += group.indices.size() / 3;
    return count;
}

bool CMeshBuilder::WriteMtl(const std::string& mtlPath) const
{
    FILE* file = std::fopen(mtlPath.c_str(), "wb");
    if (!file)
        return false;
    for (const MaterialDef& m : materials)
    {
        std::fprintf(file, "newmtl %s\nKa 0 0 0\nKd 1 1 1\nKs %.3f %.3f %.3f\nNs %.1f\n", m.name.c_str(),
                     m.specular.r, m.specular.g, m.specular.b, m.shininess);
        if (!m.diffuseMap.empty())
            std::fprintf(file, "map_Kd %s\n", m.diffuseMap.c_str());
        std::fprintf(file, "\n");
    }
    return std::fclose(file) == 0;
}

bool CMeshBuilder::Write(const std::string& objPath) const
{
    const std::filesystem::path mtlPath = std::filesystem::path(objPath).replace_extension(".mtl");
    if (!WriteMtl(mtlPath.string()))
        return false;
    FILE* file = std::fopen(objPath.c_str(), "wb");
    if (!file)
        return false;
    std::fprintf(file, "mtllib %s\n", mtlPath.filename().string().c_str());
    for (size_t i = 0; i < positions.size(); ++i)
    {
        std::fprintf(file, "v %.4f %.4f %.4f\nvt %.5f %.5f\nvn %.4f %.4f %.4f\n", positions[i].x, positions[i].y,
                     positions[i].z, uvs[i].x, uvs[i].y, normals[i].x, normals[i].y, normals[i].z);
    }
    for (const Group& group : groups)
    {
        std::fprintf(file, "o %s\nusemtl %s\n", group.name.c_str(), group.material.c_str());
        for (size_t i = 0; i < group.indices.size(); i += 3)
        {
            const uint32_t a = group.indices[i] + 1, b = group.indices[i + 1] + 1, c = group.indices[i + 2] + 1;
            std::fprintf(file, "f %u/%u/%u %u/%u/%u %u/%u/%u\n", a, a, a, b, b, b, c, c, c);
        }
    }
    return std::fclose(file) == 0;
}
