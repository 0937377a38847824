#include "FuzzScratch.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

FuzzScratch& FuzzScratch::Get()
{
    static FuzzScratch scratch;
    return scratch;
}

FuzzScratch::FuzzScratch()
    : root((std::filesystem::temp_directory_path() / ("kestrune-fuzz-" + std::to_string(::getpid()))).string())
{
    std::filesystem::create_directories(root);
}

FuzzScratch::~FuzzScratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string FuzzScratch::Write(const std::string& name, const std::string& bytes) const
{
    const std::string path = root + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

std::vector<std::string> SplitAtZeros(const uint8_t* data, size_t size, size_t count)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i)
    {
        if (data[i] == 0 && parts.size() < count)
            parts.emplace_back();
        else
            parts.back() += char(data[i]);
    }
    return parts;
}
