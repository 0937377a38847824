#include "ShaderDump.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

std::string ShaderDumpFileName(const std::string& path)
{
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

ShaderSourceObserver ShaderDumpObserver(const std::string& dir, bool& failed)
{
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (!std::filesystem::is_directory(dir, error))
        return nullptr;
    return [dir, &failed](GLuint, const std::string& path, GLenum, const std::string& source) {
        const std::string file = (std::filesystem::path(dir) / ShaderDumpFileName(path)).string();
        std::ofstream out(file, std::ios::binary);
        out << source;
        if (!out.flush())
        {
            std::fprintf(stderr, "kestrune-capture: could not write '%s'\n", file.c_str());
            failed = true;
        }
    };
}
