#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <iterator>

#include "GlTestContext.h"
#include "SceneTarget.h"
#include "effects/EffectQuad.h"
#include "shaders/CShaderProgram.h"
#include "tests/TestFiles.h"

namespace
{
const char* const vertexSource = "#version 330 core\n"
                                 "layout(location = 0) in vec2 inPosition;\n"
                                 "void main() { gl_Position = vec4(inPosition, 0.0, 1.0); }\n";
const char* const fragmentSource = "#version 330 core\n"
                                   "uniform vec4 gColor;\n"
                                   "out vec4 outColor;\n"
                                   "void main() { outColor = gColor; }\n";
const char* const locationWarning = "Warning! Unable to get the location of uniform";

// A two-stage program with a table naming one uniform its GLSL lacks.
class CTestProgram : public CShaderProgram
{
public:
    CTestProgram(std::string vertexPath, std::string fragmentPath)
        : vertexPath(std::move(vertexPath)), fragmentPath(std::move(fragmentPath))
    {
    }

    void Create() override
    {
        CreateFromStages({{&vertex, vertexPath.c_str(), GL_VERTEX_SHADER},
                          {&fragment, fragmentPath.c_str(), GL_FRAGMENT_SHADER}},
                         {{"gColor"}, {"gAbsent[%d]", 2}});
    }
    void Destroy() override { DestroyWithStages({&vertex, &fragment}); }

    std::string vertexPath, fragmentPath;
    CShader vertex, fragment;
};

// Draws a full-screen quad in green into a small target and returns the centre texel.
glm::vec4 DrawGreen(const CShaderProgram& program)
{
    SceneTarget target(4);
    target.Clear();
    EffectQuad quad;
    quad.Create();
    program.Use();
    glUniform4f(program.GetUniformLocation("gColor"), 0.0f, 1.0f, 0.0f, 1.0f);
    glUniform1i(program.GetUniformLocation("gAbsent[0]"), 3); // ignored by OpenGL
    quad.Draw();
    glUseProgram(0);
    quad.Destroy();
    return target.Centre(0);
}
}

TEST(CShaderGLTest, CompilesAPreprocessedTreeOfIncludes)
{
    TempDir dir("shader-tree");
    // The long line is a comment of 300 characters, which the compiler sees whole.
    const std::string longComment = "// " + std::string(297, 'c') + "\n";
    dir.Write("tree.frag", "#version 330 core\n"
                           "#include \"lib\\colour.glsl\"\n"
                           "#include unquoted.glsl\n"
                           "#include \"missing.glsl\"\n" +
                               longComment +
                               "out vec4 outColor;\n"
                               "void main() { outColor = Tint(vec4(1.0)); }\n");
    dir.Write("lib/colour.glsl", "#version 330 core\n"
                                 "#def_include\n"
                                 "#include \"scale.glsl\"\n"
                                 "vec4 Tint(vec4 c) { return c * Scale(); }\n"
                                 "#def_source\n"
                                 "void main() {}\n");
    dir.Write("lib/scale.glsl", "#def_include\n"
                                "#include \"colour.glsl\"\n"
                                "float Scale() { return 0.5; }\n");

    CShader shader;
    ASSERT_TRUE(LoadShader(shader, dir.Path("tree.frag"), GL_FRAGMENT_SHADER));
    EXPECT_TRUE(shader.loaded);
    EXPECT_EQ(shader.type, GLenum(GL_FRAGMENT_SHADER));
    EXPECT_NE(shader.id, 0u);
    glDeleteShader(shader.id);

    // A compile error, a file of directives only and a missing file leave the stage unloaded.
    dir.Write("broken.vert", "#version 330 core\nvoid main() { undefined(); }\n");
    dir.Write("only-directives.vert", "#def_include\n#def_source\n");
    for (const char* name : {"broken.vert", "only-directives.vert", "nowhere.vert"})
    {
        CShader failed;
        EXPECT_FALSE(LoadShader(failed, dir.Path(name), GL_VERTEX_SHADER)) << name;
        EXPECT_FALSE(failed.loaded || failed.id != 0 || failed.type != 0) << name;
    }
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST(CShaderProgramGLTest, WarnsOnceForAnAbsentUniformAndStillDraws)
{
    TempDir dir("program-draw");
    CTestProgram program(dir.Write("p.vert", vertexSource), dir.Write("p.frag", fragmentSource));

    testing::internal::CaptureStdout();
    program.Create();
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_TRUE(program.linked);
    EXPECT_EQ(CountOccurrences(output, locationWarning), 2u) << output;
    EXPECT_EQ(CountOccurrences(output, "'gAbsent[0]'"), 1u);
    EXPECT_EQ(CountOccurrences(output, "'gAbsent[1]'"), 1u);
    EXPECT_NE(program.GetUniformLocation("gColor"), -1);
    EXPECT_EQ(program.GetUniformLocation("gAbsent[1]"), -1);
    EXPECT_EQ(program.GetUniformLocation("gNeverRegistered"), -1);
    EXPECT_EQ(DrawGreen(program), glm::vec4(0, 1, 0, 1));
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));

    program.Destroy();
    program.Destroy();
    EXPECT_EQ(program.programId, 0u);
    EXPECT_FALSE(program.vertex.loaded || program.fragment.loaded);
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST(CShaderProgramGLTest, AFailedStageLeavesTheProgramUnlinkedAndUseHarmless)
{
    TempDir dir("program-fail");
    CTestProgram program(dir.Path("absent.vert"), dir.Write("p.frag", "#version 330 core\nbroken"));
    CTestProgram other(dir.Write("q.vert", vertexSource), dir.Write("q.frag", fragmentSource));

    testing::internal::CaptureStdout();
    program.Create();
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(program.linked);
    EXPECT_FALSE(program.vertex.loaded || program.fragment.loaded);
    EXPECT_NE(output.find("Prog Info Log : "), std::string::npos) << output;
    EXPECT_EQ(CountOccurrences(output, locationWarning), 3u) << output;

    // Using the failed program leaves the current one in place.
    testing::internal::CaptureStdout();
    other.Create();
    testing::internal::GetCapturedStdout();
    other.Use();
    program.Use();
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(GLuint(current), other.programId);
    glUseProgram(0);

    const GLuint failedId = program.programId;
    program.Destroy();
    program.Destroy();
    other.Destroy();
    EXPECT_FALSE(glIsProgram(failedId));
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

// Runs `main` (GLSL writing the scene target's outputs 0 and 1) over a 16 x 16
// target, with the project's shader `includes` in reach, and returns both
// outputs, bottom row first.
std::array<std::vector<glm::vec4>, 2> RunShaderFunctions(const std::vector<std::string>& includes,
                                                         const std::string& main)
{
    TempDir dir("shader-functions");
    std::string fragment = "#version 330 core\n";
    for (const std::string& name : includes)
    {
        std::ifstream file("Resources/shaders/" + name, std::ios::binary);
        EXPECT_TRUE(file.good()) << name;
        dir.Write(name, std::string(std::istreambuf_iterator<char>(file), {}));
        fragment += "#include \"" + name + "\"\n";
    }
    fragment += "layout(location = 0) out vec4 out0;\nlayout(location = 1) out vec4 out1;\n" + main;
    CTestProgram program(dir.Write("p.vert", vertexSource), dir.Write("p.frag", fragment));
    testing::internal::CaptureStdout();
    program.Create();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(program.linked);

    SceneTarget target(16);
    target.Clear();
    EffectQuad quad;
    quad.Create();
    program.Use();
    quad.Draw();
    std::array<std::vector<glm::vec4>, 2> outputs = {target.Read(0), target.Read(1)};
    glUseProgram(0);
    quad.Destroy();
    program.Destroy();
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    return outputs;
}

// Every 8-bit level, one per texel, decoded by the shaders' colour curve
// (output 0) and encoded back (output 1).
TEST(CShaderProgramGLTest, ColourCurveDecodesExactlyAndRoundTripsEveryLevel)
{
    const auto [decoded, encoded] =
        RunShaderFunctions({"colourCurve.glsl"}, "void main() {\n"
                                                 "  vec2 texel = floor(gl_FragCoord.xy);\n"
                                                 "  vec3 level = vec3((texel.y * 16.0 + texel.x) / 255.0);\n"
                                                 "  out0 = vec4(SrgbToLinear(level), 1.0);\n"
                                                 "  out1 = vec4(LinearToSrgb(SrgbToLinear(level)), 1.0);\n"
                                                 "}\n");
    for (int level = 0; level < 256; ++level)
    {
        const double c = level / 255.0;
        const double exact = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        EXPECT_NEAR(decoded[size_t(level)].g, exact, exact * 1e-3 + 1e-7) << "level " << level;
        EXPECT_NEAR(encoded[size_t(level)].g * 255.0, level, 0.25) << "level " << level;
    }
}

// Cascades ending at clip depths 10, 20, 40 and 80: texel x is the depth, in
// quarters, and output 0 holds the cascade chosen and the hand-over to the next.
TEST(CShaderProgramGLTest, CascadesHandOverOverTheLastTenthOfTheirRange)
{
    const auto outputs =
        RunShaderFunctions({"lightCounts.glsl", "cascadeShadows.glsl"},
                           "void main() {\n"
                           "  float ends[CASCADE_COUNT] = float[CASCADE_COUNT](10.0, 20.0, 40.0, 80.0);\n"
                           "  float depth = (floor(gl_FragCoord.y) * 16.0 + floor(gl_FragCoord.x)) * 0.25;\n"
                           "  int cascade = ChooseCascade(depth, ends);\n"
                           "  out0 = vec4(float(cascade), CascadeHandOver(depth, cascade, ends), 0.0, 1.0);\n"
                           "  out1 = vec4(0.0);\n"
                           "}\n");
    const std::vector<glm::vec4>& result = outputs[0];
    const auto at = [&](float depth) { return result[size_t(depth * 4.0f)]; };
    EXPECT_EQ(at(8.75f), glm::vec4(0.0f, 0.0f, 0.0f, 1.0f)) << "before the band";
    EXPECT_NEAR(at(9.5f).y, 0.5f, 1e-4f) << "halfway through cascade 0's band, 9 to 10";
    EXPECT_NEAR(at(10.0f).y, 1.0f, 1e-4f) << "its end";
    EXPECT_EQ(at(10.25f).x, 1.0f);
    EXPECT_EQ(at(18.75f).y, 0.0f) << "cascade 1's band starts at 19";
    EXPECT_NEAR(at(19.5f).y, 0.5f, 1e-4f);
    EXPECT_NEAR(at(39.0f).y, 0.5f, 1e-4f) << "cascade 2's band, 38 to 40";
    EXPECT_EQ(at(63.75f).x, 3.0f);
    EXPECT_EQ(at(63.75f).y, 0.0f) << "the last cascade hands over to nothing";
}
