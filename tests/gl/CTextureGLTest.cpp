#include <GL/glew.h>
#include <gtest/gtest.h>

#include <vector>

#include "GlTestContext.h"
#include "tests/TestFiles.h"
#include "textures/CTexture.h"
#include "textures/CTextureManager.h"

namespace
{
GLint LevelParameter(GLenum target, GLenum parameter)
{
    GLint value = 0;
    glGetTexLevelParameteriv(target, 0, parameter, &value);
    return value;
}
}

TEST(CTextureGLTest, ImagesOfEveryDepthUploadWithTheirInternalFormatAndTexels)
{
    struct ImageCase
    {
        const char* name;
        FREE_IMAGE_FORMAT format;
        int bpp;
        unsigned char alpha;
        GLint internalFormat;
    };
    // Five texels a row: the 8- and 24-bit rows need padding in memory.
    const ImageCase cases[] = {
        {"grey.png", FIF_PNG, 8, 255, GL_RGB},      {"rgb.bmp", FIF_BMP, 24, 255, GL_RGB},
        {"opaque.png", FIF_PNG, 32, 255, GL_RGB},   {"alpha.png", FIF_PNG, 32, 128, GL_RGBA},
        {"png-named.bmp", FIF_PNG, 24, 255, GL_RGB}, // the signature wins over the extension
    };
    TempDir dir("texture-depths");
    for (const ImageCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteTestImage(dir.Path(c.name), c.format, 5, 3, c.bpp, c.alpha));
        CTexture texture;
        ASSERT_TRUE(texture.LoadTexture2D(dir.Path(c.name), false));
        EXPECT_EQ(texture.width, 5u);
        EXPECT_EQ(texture.height, 3u);
        EXPECT_EQ(texture.hasTransparency, c.internalFormat == GL_RGBA);
        EXPECT_EQ(texture.path, dir.Path(c.name));
        EXPECT_NE(texture.sampler, 0u);

        std::vector<unsigned char> rgb(5 * 3 * 3);
        glBindTexture(GL_TEXTURE_2D, texture.texture);
        EXPECT_EQ(LevelParameter(GL_TEXTURE_2D, GL_TEXTURE_INTERNAL_FORMAT), c.internalFormat);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glBindTexture(GL_TEXTURE_2D, 0);
        const bool grey = c.bpp == 8;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
            {
                const unsigned char* texel = &rgb[size_t(y * 5 + x) * 3];
                EXPECT_EQ(texel[0], grey ? x * 10 : 200) << x << "," << y;
                EXPECT_EQ(texel[1], grey ? x * 10 : y * 10) << x << "," << y;
                EXPECT_EQ(texel[2], x * 10) << x << "," << y;
            }
        texture.Release();
        texture.Release();
        EXPECT_EQ(texture.texture, 0u);
        EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
    }
}

TEST(CTextureGLTest, UnreadableFilesFailWithoutAGlObject)
{
    TempDir dir("texture-bad");
    ASSERT_TRUE(WriteTestImage(dir.Path("whole.png"), FIF_PNG, 16, 16, 24));
    const std::string whole = dir.Read("whole.png");
    dir.Write("truncated.png", whole.substr(0, whole.size() / 2));
    dir.Write("empty.png", "");
    dir.Write("garbage.png", "this is not an image at all");
    dir.Write("garbage.xyz", "this is not an image at all");

    for (const char* name : {"truncated.png", "empty.png", "garbage.png", "garbage.xyz", "absent.png"})
    {
        CTexture texture;
        EXPECT_FALSE(texture.LoadTexture2D(dir.Path(name), true)) << name;
        EXPECT_EQ(texture.texture, 0u) << name;
        EXPECT_EQ(texture.sampler, 0u) << name;
        EXPECT_EQ(texture.path, "") << name;
    }
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST(CTextureGLTest, CubemapFacesAndAMissingFace)
{
    TempDir dir("texture-cube");
    for (const char* face : {"right", "left", "bottom", "top", "back"})
        ASSERT_TRUE(WriteTestImage(dir.Path(std::string(face) + ".png"), FIF_PNG, 4, 4, 32, 100));

    // "front" is missing: the faces before it are loaded, and the load fails.
    CTexture partial;
    EXPECT_FALSE(partial.LoadCubemap(dir.Path("%s.png"), false));
    EXPECT_EQ(partial.path, "");
    glBindTexture(GL_TEXTURE_CUBE_MAP, partial.texture);
    EXPECT_EQ(LevelParameter(GL_TEXTURE_CUBE_MAP_POSITIVE_Z, GL_TEXTURE_WIDTH), 4); // "back"
    EXPECT_EQ(LevelParameter(GL_TEXTURE_CUBE_MAP_NEGATIVE_Z, GL_TEXTURE_WIDTH), 0); // "front"
    partial.Release();

    ASSERT_TRUE(WriteTestImage(dir.Path("front.png"), FIF_PNG, 4, 4, 24));
    CTexture cube;
    ASSERT_TRUE(cube.LoadCubemap(dir.Path("%s.png"), false));
    EXPECT_EQ(cube.path, dir.Path("%s.png"));
    glBindTexture(GL_TEXTURE_CUBE_MAP, cube.texture);
    for (GLenum face = GL_TEXTURE_CUBE_MAP_POSITIVE_X; face <= GL_TEXTURE_CUBE_MAP_NEGATIVE_Z; ++face)
        EXPECT_EQ(LevelParameter(face, GL_TEXTURE_INTERNAL_FORMAT), GL_RGB);
    glBindTexture(GL_TEXTURE_CUBE_MAP, 0);
    cube.Bind(7);
    cube.Unbind(7);
    glActiveTexture(GL_TEXTURE0);
    cube.Release();
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST(CTextureGLTest, SingleChannelDataRestoresTheUnpackAlignment)
{
    std::vector<unsigned char> bytes(7 * 3, 90); // rows that are not 4-byte multiples
    CTexture glyphs;
    glyphs.CreateFromData(bytes.data(), 7, 3);
    EXPECT_EQ(LevelParameter(GL_TEXTURE_2D, GL_TEXTURE_WIDTH), 7);
    GLint alignment = 0, wrap = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);
    glyphs.SetClampToEdge();
    glBindTexture(GL_TEXTURE_2D, glyphs.texture);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap);
    EXPECT_EQ(wrap, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glyphs.Release();
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}

TEST(CTextureManagerGLTest, LoadsEachPathOnceAndUnloadsWithItsLastHolder)
{
    TempDir dir("texture-cache");
    ASSERT_TRUE(WriteTestImage(dir.Path("a.png"), FIF_PNG, 4, 4, 24));
    CTextureManager& cache = CTextureManager::GetInstance();
    const std::string path = dir.Path("a.png");

    testing::internal::CaptureStdout();
    CTexture* first = cache.LoadTexture(path);
    CTexture* second = cache.LoadTexture(path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Loaded texture '" + path + "'\n");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    GLint minFilter = 0;
    glGetSamplerParameteriv(first->sampler, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);

    testing::internal::CaptureStdout();
    cache.UnloadTexture(first);
    EXPECT_TRUE(cache.Holds(second)); // the second holder still uses it
    cache.UnloadTexture(second);
    EXPECT_FALSE(cache.Holds(second));
    cache.UnloadTexture(second);
    CTexture stranger;
    cache.UnloadTexture(&stranger);
    cache.UnloadTexture(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[Texture] Unloaded texture '" + path + "'\n");

    testing::internal::CaptureStdout();
    EXPECT_EQ(cache.LoadTexture(dir.Path("absent.png")), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}
