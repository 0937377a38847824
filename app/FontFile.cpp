#include "app/FontFile.h"

#include <fstream>
#include <iterator>
#include <set>

namespace
{
uint32_t ReadBigEndian(const std::vector<uint8_t>& bytes, size_t at, size_t count)
{
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i)
        value = (value << 8) | bytes[at + i];
    return value;
}

uint32_t Tag(const char* name)
{
    return uint32_t(uint8_t(name[0])) << 24 | uint32_t(uint8_t(name[1])) << 16 | uint32_t(uint8_t(name[2])) << 8 |
           uint32_t(uint8_t(name[3]));
}

bool IsSingleFontVersion(uint32_t version)
{
    return version == 0x00010000u || version == Tag("true") || version == Tag("OTTO") || version == Tag("typ1");
}
}

bool IsUsableFontData(const std::vector<uint8_t>& bytes)
{
    const size_t kHeader = 12;
    const size_t kRecord = 16;
    if (bytes.size() < kHeader || !IsSingleFontVersion(ReadBigEndian(bytes, 0, 4)))
        return false;
    const size_t tableCount = ReadBigEndian(bytes, 4, 2);
    if (tableCount == 0 || kHeader + tableCount * kRecord > bytes.size())
        return false;
    std::set<uint32_t> tags;
    for (size_t i = 0; i < tableCount; ++i)
    {
        const size_t record = kHeader + i * kRecord;
        const uint64_t offset = ReadBigEndian(bytes, record + 8, 4);
        const uint64_t length = ReadBigEndian(bytes, record + 12, 4);
        if (offset + length > bytes.size())
            return false;
        tags.insert(ReadBigEndian(bytes, record, 4));
    }
    for (const char* required : {"cmap", "head", "hhea", "hmtx"})
        if (tags.count(Tag(required)) == 0)
            return false;
    const bool outlines = tags.count(Tag("glyf")) != 0 && tags.count(Tag("loca")) != 0;
    return outlines || tags.count(Tag("CFF ")) != 0;
}

bool IsUsableFontFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return IsUsableFontData(bytes);
}
