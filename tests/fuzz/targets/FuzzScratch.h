#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A private temporary folder that the fuzz targets write their input files to;
// made on first use and removed at process exit.
class FuzzScratch
{
public:
    static FuzzScratch& Get();

    // Writes `bytes` to `name` in the folder and returns the file's path.
    std::string Write(const std::string& name, const std::string& bytes) const;

    ~FuzzScratch();

private:
    FuzzScratch();
    std::string root;
};

// `data` cut at zero bytes into at most `count` parts (the last keeps any further zeros).
std::vector<std::string> SplitAtZeros(const uint8_t* data, size_t size, size_t count);
