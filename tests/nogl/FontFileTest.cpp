#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/FontFile.h"

namespace
{
std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// A font header with one table record: tag, offset and length.
std::vector<uint8_t> OneTableFont(const char* tag, uint32_t offset, uint32_t length)
{
    std::vector<uint8_t> bytes = {0, 1, 0, 0, 0, 1, 0, 16, 0, 0, 0, 0};
    for (int i = 0; i < 4; ++i)
        bytes.push_back(uint8_t(tag[i]));
    for (uint32_t value : {0u, offset, length})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(uint8_t(value >> shift));
    bytes.resize(64, 0);
    return bytes;
}
}

// The user interface checks its fonts before handing them to a parser that
// would stop the program on bad data.
TEST(FontFileTest, AcceptsTheDataSetFontsAndRefusesDamagedOnes)
{
    for (const char* font : {"Resources/fonts/DroidSans.ttf", "Resources/fonts/OpenSans-Regular.ttf"})
        EXPECT_TRUE(IsUsableFontFile(font)) << font;
    EXPECT_FALSE(IsUsableFontFile("Resources/fonts/missing.ttf"));

    const std::vector<uint8_t> real = ReadBytes("Resources/fonts/OpenSans-Regular.ttf");
    ASSERT_GT(real.size(), 4096u);
    EXPECT_FALSE(IsUsableFontData(std::vector<uint8_t>(real.begin(), real.begin() + 4096))) << "truncated";
    std::vector<uint8_t> garbage(5000);
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = uint8_t(i * 7919 % 251);
    EXPECT_FALSE(IsUsableFontData(garbage));
    EXPECT_FALSE(IsUsableFontData({}));

    EXPECT_FALSE(IsUsableFontData(OneTableFont("cmap", 28, 36))) << "in bounds, but most tables missing";
    EXPECT_FALSE(IsUsableFontData(OneTableFont("cmap", 60, 0xFFFFFFF0u))) << "a table past the end";
    std::vector<uint8_t> collection = real;
    collection[0] = 't', collection[1] = 't', collection[2] = 'c', collection[3] = 'f';
    EXPECT_FALSE(IsUsableFontData(collection));
}
