#include <GL/glew.h>
#include <gtest/gtest.h>

#include <vector>

#include "GlTestContext.h"
#include "core/CRenderSettings.h"
#include "scene/CMesh.h"
#include "scene/MeshPaths.h"
#include "shaders/CShaderProgram.h"
#include "tests/TestFiles.h"
#include "textures/CTextureManager.h"

namespace
{
// Two objects: a textured quad, and a triangle without texture coordinates.
const char* const twoMaterialObj = "mtllib two.mtl\n"
                                   "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                                   "v 2 0 0\nv 3 0 0\nv 3 1 0\n"
                                   "vt 0 0.25\nvt 1 0.25\nvt 1 1\nvt 0 1\n"
                                   "vn 0 0 1\n"
                                   "o first\nusemtl wood\nf 1/1/1 2/2/1 3/3/1 4/4/1\n"
                                   "o second\nusemtl plain\nf 5//1 6//1 7//1\n";

// Records the materials a draw sets up; its program draws in flat colour.
class CRecordingProgram : public CShaderProgram
{
public:
    explicit CRecordingProgram(const TempDir& dir)
        : vertexPath(dir.Write("flat.vert", "#version 330 core\nlayout(location = 0) in vec3 p;\n"
                                            "void main() { gl_Position = vec4(p, 1.0); }\n")),
          fragmentPath(dir.Write("flat.frag", "#version 330 core\nout vec4 c;\nvoid main() { c = vec4(1.0); }\n"))
    {
    }
    void Create() override
    {
        CreateFromStages({{&vertex, vertexPath.c_str(), GL_VERTEX_SHADER},
                          {&fragment, fragmentPath.c_str(), GL_FRAGMENT_SHADER}},
                         {});
    }
    void Destroy() override { DestroyWithStages({&vertex, &fragment}); }
    void SetupMaterial(const CMaterial* material) override { materials.push_back(material); }

    std::string vertexPath, fragmentPath;
    CShader vertex, fragment;
    std::vector<const CMaterial*> materials;
};

template <typename T> std::vector<T> BufferContents(const CVertexBufferObject& buffer)
{
    GLint size = 0;
    glBindBuffer(GL_COPY_READ_BUFFER, buffer.buffer);
    glGetBufferParameteriv(GL_COPY_READ_BUFFER, GL_BUFFER_SIZE, &size);
    std::vector<T> values(size_t(size) / sizeof(T));
    glGetBufferSubData(GL_COPY_READ_BUFFER, 0, size, values.data());
    glBindBuffer(GL_COPY_READ_BUFFER, 0);
    return values;
}

bool AttributeEnabled(const CMesh& mesh, GLuint attribute)
{
    GLint enabled = 0;
    glBindVertexArray(mesh.vao);
    glGetVertexAttribiv(attribute, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
    glBindVertexArray(0);
    return enabled != 0;
}

// How much one draw of the mesh adds to the frame's vertex count.
int DrawnElements(const CMesh& mesh, CShaderProgram* program)
{
    int& counter = CRenderSettings::GetInstance().vertexCount;
    const int before = counter;
    if (program)
        program->Use();
    mesh.Render(program);
    glUseProgram(0);
    return counter - before;
}

void WriteTwoMaterialModel(const TempDir& dir)
{
    dir.Write("two.obj", twoMaterialObj);
    dir.Write("two.mtl", "newmtl wood\nmap_Kd textures/wood_diffuse.png\nnewmtl plain\nmap_Kd plain.png\n");
    for (const char* name : {"textures/wood_diffuse.png", "textures/wood_normal.png", "textures/wood_glow.png",
                             "plain.png"})
        ASSERT_TRUE(WriteTestImage(dir.Path(name), FIF_PNG, 4, 4, 24));
}
}

TEST(CMeshGLTest, LoadsSubMeshesStreamsAndConventionalTextures)
{
    TempDir dir("mesh-two");
    WriteTwoMaterialModel(dir);
    CRecordingProgram program(dir);
    program.Create();
    ASSERT_TRUE(program.linked);

    testing::internal::CaptureStdout();
    CMesh mesh;
    const bool loaded = mesh.Load(dir.Path("two.obj"));
    const std::string output = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(loaded) << output;
    EXPECT_EQ(output.find("Error parsing"), std::string::npos) << output;

    ASSERT_EQ(mesh.subMeshes.size(), 2u);
    EXPECT_EQ(mesh.subMeshes[0].numIndices, 6u);
    EXPECT_EQ(mesh.subMeshes[1].numIndices, 3u);
    EXPECT_EQ(mesh.subMeshes[1].baseVertex, 4u);
    EXPECT_EQ(mesh.subMeshes[1].baseIndex, 6u);

    // Companion maps are found by name beside the diffuse map; there is no specular file.
    const CMaterial& wood = mesh.materials[mesh.subMeshes[0].materialIndex];
    EXPECT_NE(wood.textures[CMaterial::Diffuse], nullptr);
    EXPECT_NE(wood.textures[CMaterial::Normal], nullptr);
    EXPECT_EQ(wood.textures[CMaterial::Specular], nullptr);
    EXPECT_NE(wood.textures[CMaterial::Glow], nullptr);
    const CMaterial& plain = mesh.materials[mesh.subMeshes[1].materialIndex];
    EXPECT_NE(plain.textures[CMaterial::Diffuse], nullptr);
    EXPECT_EQ(plain.textures[CMaterial::Normal], nullptr);

    // Seven vertices in every stream; the triangle without texture coordinates gets
    // (0, 0) and zero tangents so that the streams stay aligned.
    for (const CVertexBufferObject* stream :
         {&mesh.positionBuffer, &mesh.normalBuffer, &mesh.tangentBuffer, &mesh.bitangentBuffer})
        EXPECT_EQ(BufferContents<float>(*stream).size(), 21u);
    const std::vector<float> uv = BufferContents<float>(mesh.texCoordBuffer);
    ASSERT_EQ(uv.size(), 14u);
    EXPECT_FLOAT_EQ(uv[1], -0.75f); // v = 0.25 in the file
    EXPECT_EQ(std::vector<float>(uv.begin() + 8, uv.end()), std::vector<float>(6, 0.0f));
    EXPECT_EQ(BufferContents<unsigned>(mesh.indexBuffer).size(), 9u);
    EXPECT_TRUE(AttributeEnabled(mesh, 3) && AttributeEnabled(mesh, 4));

    EXPECT_EQ(DrawnElements(mesh, &program), 9);
    ASSERT_EQ(program.materials.size(), 2u);
    EXPECT_EQ(program.materials[0], &wood);
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    program.Destroy();
}

TEST(CMeshGLTest, KeepsEachSubMeshsBoundsAndCanDrawOnlyThePickedOnes)
{
    TempDir dir("mesh-pick");
    WriteTwoMaterialModel(dir);
    CRecordingProgram program(dir);
    program.Create();
    testing::internal::CaptureStdout();
    CMesh mesh;
    ASSERT_TRUE(mesh.Load(dir.Path("two.obj")));
    testing::internal::GetCapturedStdout();

    ASSERT_EQ(mesh.subMeshBounds.size(), 2u);
    EXPECT_EQ(mesh.subMeshBounds[0].lo, glm::vec3(0.0f));
    EXPECT_EQ(mesh.subMeshBounds[0].hi, glm::vec3(1.0f, 1.0f, 0.0f));
    EXPECT_EQ(mesh.subMeshBounds[1].lo, glm::vec3(2.0f, 0.0f, 0.0f));
    EXPECT_EQ(mesh.subMeshBounds[1].hi, glm::vec3(3.0f, 1.0f, 0.0f));

    // Only the second sub-mesh is drawn and counted.
    int& counter = CRenderSettings::GetInstance().vertexCount;
    const int before = counter;
    program.Use();
    mesh.Render(&program, [](size_t entry) { return entry == 1; });
    glUseProgram(0);
    EXPECT_EQ(counter - before, 3);
    ASSERT_EQ(program.materials.size(), 1u);
    EXPECT_EQ(program.materials[0], &mesh.materials[mesh.subMeshes[1].materialIndex]);

    // Neighbouring pieces of one material set it up once for all of them.
    dir.Write("pieces.obj", "mtllib two.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\n"
                            "o a\nusemtl plain\nf 1 2 3\no b\nusemtl plain\nf 1 3 2\no c\nusemtl plain\nf 2 3 1\n");
    testing::internal::CaptureStdout();
    CMesh pieces;
    ASSERT_TRUE(pieces.Load(dir.Path("pieces.obj")));
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(pieces.subMeshes.size(), 3u);
    program.materials.clear();
    program.Use();
    pieces.Render(&program, [](size_t entry) { return entry != 1; });
    pieces.Render(&program, [](size_t) { return false; });
    glUseProgram(0);
    EXPECT_EQ(program.materials.size(), 1u);
    EXPECT_EQ(counter - before, 3 + 2 * 3);

    CMesh moved(std::move(mesh));
    EXPECT_EQ(moved.subMeshBounds.size(), 2u);
    moved.Clear();
    EXPECT_TRUE(moved.subMeshBounds.empty());
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    program.Destroy();
}

TEST(CMeshGLTest, AModelWithoutTextureCoordinatesDrawsWithZeros)
{
    TempDir dir("mesh-nouv");
    dir.Write("bare.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");
    testing::internal::CaptureStdout();
    CMesh mesh;
    ASSERT_TRUE(mesh.Load(dir.Path("bare.obj")));
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(BufferContents<float>(mesh.texCoordBuffer), std::vector<float>(6, 0.0f));
    EXPECT_TRUE(BufferContents<float>(mesh.tangentBuffer).empty());
    EXPECT_FALSE(AttributeEnabled(mesh, 3) || AttributeEnabled(mesh, 4));
    EXPECT_EQ(DrawnElements(mesh, nullptr), 3);
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST(CMeshGLTest, UnreadableModelsReportAndDrawNothing)
{
    TempDir dir("mesh-bad");
    dir.Write("garbage.obj", std::string("\x01\x02\x03\xff\xfe garbage \x00\x7f", 16));
    // Cut inside the texture coordinates: no face survives.
    dir.Write("truncated.obj", std::string(twoMaterialObj).substr(0, 100));
    dir.Write("good.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");

    CMesh mesh;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(mesh.Load(dir.Path("good.obj")));
    testing::internal::GetCapturedStdout();
    for (const char* name : {"absent.obj", "garbage.obj", "truncated.obj"})
    {
        testing::internal::CaptureStdout();
        EXPECT_FALSE(mesh.Load(dir.Path(name))) << name;
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(output.rfind("Error parsing '" + dir.Path(name) + "': '", 0), 0u) << output;
        EXPECT_TRUE(mesh.subMeshes.empty()) << name;
        EXPECT_EQ(DrawnElements(mesh, nullptr), 0) << name;
    }
    mesh.Clear();
    mesh.Clear();
    EXPECT_EQ(mesh.vao, 0u);
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST(CMeshGLTest, MaterialsShareCachedTexturesSafely)
{
    TempDir dir("mesh-share");
    WriteTwoMaterialModel(dir);
    CTextureManager& cache = CTextureManager::GetInstance();

    testing::internal::CaptureStdout();
    std::vector<CMesh> meshes(2);
    ASSERT_TRUE(meshes[0].Load(dir.Path("two.obj")));
    ASSERT_TRUE(meshes[1].Load(dir.Path("two.obj")));
    CTexture* shared = meshes[1].materials[meshes[1].subMeshes[1].materialIndex].textures[CMaterial::Diffuse];
    ASSERT_TRUE(cache.Holds(shared));

    // Replacing one mesh's material leaves the other's texture in the cache.
    const std::string woodPath = MaterialTexturePath(ModelDirectory(dir.Path("two.obj")), "textures/wood_diffuse.png");
    meshes[0].SetMaterial(meshes[0].subMeshes[1].materialIndex, woodPath);
    meshes[0].SetMaterial(99, dir.Path("plain.png"));
    meshes.erase(meshes.begin());
    EXPECT_TRUE(cache.Holds(shared));
    meshes.clear();
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_FALSE(cache.Holds(shared));
    EXPECT_NE(output.find("[Mesh] Failed to set material, index out of bounds"), std::string::npos);
    // Four textures, each loaded once and unloaded once by its last holder.
    EXPECT_EQ(CountOccurrences(output, "[Texture] Unloaded texture '"), 4u) << output;
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}
