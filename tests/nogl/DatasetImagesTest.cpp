// The generated images decode the way the renderer's loader expects, and the
// generator makes the same bytes every time.
#include <gtest/gtest.h>

#include <FreeImage.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
std::string ResourceFile(const std::string& relative)
{
    return std::string(KESTRUNE_BIN_DIR) + "/Resources/" + relative;
}

struct Decoded
{
    unsigned bpp = 0;
    bool transparent = false;
    unsigned width = 0;
    unsigned height = 0;
    double opaqueFraction = 0.0; // share of texels with alpha above one half
};

// Decodes as the texture loader does: format by signature, then by name.
bool Decode(const std::string& path, Decoded& out)
{
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN)
        format = FreeImage_GetFIFFromFilename(path.c_str());
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format))
        return false;
    FIBITMAP* image = FreeImage_Load(format, path.c_str(), 0);
    if (!image)
        return false;
    out.bpp = FreeImage_GetBPP(image);
    out.transparent = FreeImage_IsTransparent(image) != 0;
    out.width = FreeImage_GetWidth(image);
    out.height = FreeImage_GetHeight(image);
    if (out.bpp == 32)
    {
        size_t opaque = 0;
        for (unsigned y = 0; y < out.height; ++y)
        {
            const BYTE* line = FreeImage_GetScanLine(image, y);
            for (unsigned x = 0; x < out.width; ++x)
                opaque += line[x * 4 + FI_RGBA_ALPHA] > 127 ? 1 : 0;
        }
        out.opaqueFraction = static_cast<double>(opaque) / (out.width * out.height);
    }
    FreeImage_Unload(image);
    return out.width > 0 && out.height > 0;
}

std::vector<std::string> OpaqueImages()
{
    std::vector<std::string> images = {
        "skyboxes/dynamic/horizonmap.png", "skyboxes/dynamic/sunmap.png", "Textures/lenscolor.png",
        "Textures/lensdirt.png", "Textures/lensstar.png"};
    for (const char* face : {"right", "left", "bottom", "top", "back", "front"})
        images.push_back(std::string("skyboxes/") + face + ".jpg");
    for (const auto& entry : fs::recursive_directory_iterator(ResourceFile("models")))
        if (entry.path().extension() == ".png")
            images.push_back(fs::relative(entry.path(), ResourceFile("")).string());
    return images;
}

std::vector<char> ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every regular file under `root`, relative to it.
std::vector<fs::path> FilesUnder(const fs::path& root)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.push_back(fs::relative(entry.path(), root));
    std::sort(files.begin(), files.end());
    return files;
}

bool RunGenerator(const fs::path& output)
{
    const std::string command = std::string("\"") + KESTRUNE_BIN_DIR + "/kestrune-datagen\" \"" + output.string() +
                                "\" > /dev/null";
    return std::system(command.c_str()) == 0;
}
} // namespace

TEST(DatasetImages, MaterialSkyAndLensImagesAreOpaqueTwentyFourBit)
{
    const std::vector<std::string> images = OpaqueImages();
    EXPECT_GT(images.size(), 30u);
    for (const std::string& image : images)
    {
        SCOPED_TRACE(image);
        Decoded decoded;
        ASSERT_TRUE(Decode(ResourceFile(image), decoded));
        EXPECT_EQ(decoded.bpp, 24u);
        EXPECT_FALSE(decoded.transparent);
    }
}

TEST(DatasetImages, CubeFacesAreSquareAndAlike)
{
    Decoded first;
    ASSERT_TRUE(Decode(ResourceFile("skyboxes/right.jpg"), first));
    EXPECT_EQ(first.width, first.height);
    for (const char* face : {"left", "bottom", "top", "back", "front"})
    {
        Decoded decoded;
        ASSERT_TRUE(Decode(ResourceFile(std::string("skyboxes/") + face + ".jpg"), decoded)) << face;
        EXPECT_EQ(decoded.width, first.width) << face;
        EXPECT_EQ(decoded.height, first.height) << face;
    }
}

TEST(DatasetImages, SpritesCarryAlphaAndTheStarIsATinyCore)
{
    struct Sprite
    {
        const char* path;
        double maxOpaque;
    };
    for (const Sprite& sprite : {Sprite{"skyboxes/dynamic/sun.png", 0.2}, Sprite{"skyboxes/dynamic/moon.png", 0.7},
                                 Sprite{"skyboxes/dynamic/star.png", 0.002},
                                 Sprite{"textures/snow_particle3.png", 0.7}})
    {
        SCOPED_TRACE(sprite.path);
        Decoded decoded;
        ASSERT_TRUE(Decode(ResourceFile(sprite.path), decoded));
        EXPECT_EQ(decoded.bpp, 32u);
        EXPECT_TRUE(decoded.transparent);
        EXPECT_GT(decoded.opaqueFraction, 0.0);
        EXPECT_LT(decoded.opaqueFraction, sprite.maxOpaque);
    }
}

TEST(DatasetImages, FontsAreInPlace)
{
    for (const char* font : {"fonts/DroidSans.ttf", "fonts/OpenSans-Regular.ttf"})
    {
        EXPECT_TRUE(fs::is_regular_file(ResourceFile(font))) << font;
        EXPECT_GT(fs::file_size(ResourceFile(font)), 10000u) << font;
    }
}

TEST(DatasetImages, GeneratorIsDeterministicAndMatchesTheBuiltLayout)
{
    const fs::path root = fs::temp_directory_path() / "kestrune-datagen-test";
    fs::remove_all(root);
    ASSERT_TRUE(RunGenerator(root / "a"));
    ASSERT_TRUE(RunGenerator(root / "b"));
    const std::vector<fs::path> files = FilesUnder(root / "a");
    ASSERT_EQ(files, FilesUnder(root / "b"));
    EXPECT_GT(files.size(), 40u);
    for (const fs::path& file : files)
    {
        SCOPED_TRACE(file.string());
        const std::vector<char> bytes = ReadBytes(root / "a" / file);
        EXPECT_EQ(bytes, ReadBytes(root / "b" / file));
        EXPECT_EQ(bytes, ReadBytes(fs::path(ResourceFile("")) / file));
    }
    fs::remove_all(root);
}

TEST(DatasetImages, GeneratorRejectsAMissingOutputFolderArgument)
{
    const std::string command = std::string("\"") + KESTRUNE_BIN_DIR + "/kestrune-datagen\" > /dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0);
}
