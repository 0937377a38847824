#include <GL/glew.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include "../TestFiles.h"
#include "GlTestContext.h"
#include "app/CTextRenderer.h"
#include "shaders/CShaderProgram.h"

namespace
{
// Level 0 of a glyph texture, one byte per texel, bottom row first.
std::vector<uint8_t> ReadGlyph(const CTexture& texture)
{
    std::vector<uint8_t> texels(size_t(texture.width) * texture.height);
    glBindTexture(GL_TEXTURE_2D, texture.texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_UNSIGNED_BYTE, texels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texels;
}

GLint BufferSize(GLuint buffer)
{
    GLint size = 0;
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return size;
}

class CTextRendererGLTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(chdir(KESTRUNE_BIN_DIR), 0); }
    void TearDown() override
    {
        text.Release();
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }
    CTextRenderer text;
};
}

TEST_F(CTextRendererGLTest, GlyphLiesFlippedInTheLowerLeftOfAPowerOfTwoTexture)
{
    // A 20 x 23 bitmap, rows padded to 24 bytes, every texel distinct and non-zero.
    std::vector<uint8_t> bitmap(24 * 23, 0);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 20; ++x)
            bitmap[size_t(y * 24 + x)] = uint8_t(1 + (y * 20 + x) % 255);
    // 26.6 metrics: 18 px above the baseline and 5 below.
    const GlyphMetrics metrics{21 * 64, 2 * 64, 18 * 64, 20 * 64, 23 * 64};
    text.AddGlyph('g', GlyphBitmap{bitmap.data(), 20, 23, 24}, metrics);

    const CTexture& texture = text.glyphTextures['g'];
    ASSERT_EQ(texture.width, 32u);
    ASSERT_EQ(texture.height, 32u);
    const std::vector<uint8_t> texels = ReadGlyph(texture);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
        {
            const uint8_t expected = (x < 20 && y < 23) ? bitmap[size_t((22 - y) * 24 + x)] : 0;
            ASSERT_EQ(texels[size_t(y * 32 + x)], expected) << x << "," << y;
        }

    EXPECT_EQ(text.advance['g'], 21);
    EXPECT_EQ(text.bearingX['g'], 2);
    EXPECT_EQ(text.bearingY['g'], 18);
    EXPECT_EQ(text.descent['g'], 5);
    EXPECT_EQ(text.glyphWidth['g'], 20);
    EXPECT_EQ(text.glyphHeight['g'], 23);
    EXPECT_EQ(text.maxHeight, 23);
    // The quad covers the whole texture, lowered by the descent.
    ASSERT_EQ(text.vertexData.size(), 64u);
    const auto* quad = reinterpret_cast<const float*>(text.vertexData.data());
    const float expectedQuad[16] = {0, 27, 0, 1, 0, -5, 0, 0, 32, 27, 1, 1, 32, -5, 1, 0};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(quad[i], expectedQuad[i]) << i;
}

TEST_F(CTextRendererGLTest, LoadsCodesZeroTo127IntoOneBufferOfQuads)
{
    ASSERT_TRUE(text.LoadFont("Resources\\fonts\\OpenSans-Regular.ttf"));
    EXPECT_TRUE(text.loaded && text.uploaded);
    EXPECT_EQ(text.pixelSize, 32);
    EXPECT_TRUE(text.vertexData.empty());
    EXPECT_EQ(BufferSize(text.vertexBuffer), 128 * 4 * 16);
    EXPECT_EQ(text.face, nullptr);

    const CTexture& space = text.glyphTextures[' '];
    EXPECT_EQ(space.width, 1u);
    EXPECT_EQ(space.height, 1u);
    EXPECT_EQ(ReadGlyph(space), std::vector<uint8_t>{0});
    EXPECT_GT(text.advance[' '], 0);

    const CTexture& letter = text.glyphTextures['W'];
    EXPECT_GE(letter.width, unsigned(text.glyphWidth['W']));
    EXPECT_EQ(letter.width & (letter.width - 1), 0u) << "a power of two";
    EXPECT_EQ(letter.height & (letter.height - 1), 0u);
    EXPECT_GT(text.maxHeight, 20);
    EXPECT_LE(text.maxHeight, 64);
    EXPECT_EQ(text.glyphTextures[128].texture, 0u) << "codes from 128 on stay empty";
}

TEST_F(CTextRendererGLTest, AnUnreadableFontBuildsNothing)
{
    TempDir dir("text-renderer");
    const std::string corrupt = dir.Write("corrupt.ttf", std::string(3000, 'x'));
    for (const std::string& path : {std::string("Resources\\fonts\\missing.ttf"), corrupt})
    {
        EXPECT_FALSE(text.LoadFont(path)) << path;
        EXPECT_FALSE(text.loaded);
        EXPECT_EQ(text.vertexArray, 0u);
        EXPECT_EQ(text.vertexBuffer, 0u);
        EXPECT_EQ(text.glyphTextures['A'].texture, 0u);
        EXPECT_EQ(text.fontLibrary, nullptr);
    }
}

TEST_F(CTextRendererGLTest, TextProgramTakesTheGlyphQuadsAndAProjection)
{
    CShader vertex, fragment;
    ASSERT_TRUE(LoadShader(vertex, "Resources\\shaders\\ortho2D.vert", GL_VERTEX_SHADER));
    ASSERT_TRUE(LoadShader(fragment, "Resources\\shaders\\font2D.frag", GL_FRAGMENT_SHADER));
    CShaderProgram program;
    program.Create();
    glAttachShader(program.programId, vertex.id);
    glAttachShader(program.programId, fragment.id);
    ASSERT_TRUE(program.Link());
    EXPECT_EQ(glGetAttribLocation(program.programId, "inPosition"), 0);
    EXPECT_EQ(glGetAttribLocation(program.programId, "inTexCoord"), 1);
    for (const char* uniform : {"gOrthoProjection", "gPenPosition", "gSampler", "gColor"})
        EXPECT_NE(glGetUniformLocation(program.programId, uniform), -1) << uniform;
    program.Destroy();
    glDeleteShader(vertex.id);
    glDeleteShader(fragment.id);
}
