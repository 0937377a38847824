#include "shaders/ShaderPreprocessor.h"

#include <SDL2/SDL_log.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/ResourcePath.h"

namespace
{
const int chunkBufferSize = 255;

// Splits off the whitespace-delimited token that starts at or after `pos`.
std::string NextToken(const std::string& text, size_t& pos)
{
    while (pos < text.size() && std::isspace((unsigned char)text[pos]))
        ++pos;
    const size_t start = pos;
    while (pos < text.size() && !std::isspace((unsigned char)text[pos]))
        ++pos;
    return text.substr(start, pos - start);
}

std::string UnquoteIncludeName(const std::string& token)
{
    if (token.size() < 2 || token.front() != '"' || token.back() != '"')
        return std::string();
    return token.substr(1, token.size() - 2);
}

// Identifies a file independently of how its path was spelled.
std::string FileIdentity(const std::string& localPath)
{
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(localPath, ec);
    return ec ? localPath : canonical.string();
}

bool PreprocessFile(const std::string& path, bool isIncluded, std::vector<std::string>& lines,
                    std::vector<std::string>& openFiles)
{
    const std::string localPath = ResolveResourcePath(path);
    FILE* file = std::fopen(localPath.c_str(), "rt");
    if (!file)
        return false;

    const std::string identity = FileIdentity(localPath);
    if (std::find(openFiles.begin(), openFiles.end(), identity) != openFiles.end())
    {
        SDL_Log("[Shader] Include cycle: %s is already being included, skipped", path.c_str());
        std::fclose(file);
        return true;
    }
    openFiles.push_back(identity);

    const std::string prefix = ShaderDirectoryPrefix(path);
    bool inSection = false;
    char buffer[chunkBufferSize];
    while (std::fgets(buffer, chunkBufferSize, file))
    {
        const std::string chunk(buffer);
        const ShaderChunk parsed = ParseShaderChunk(chunk);
        switch (parsed.directive)
        {
        case ShaderDirective::Include:
            if (!parsed.includeName.empty())
                PreprocessFile(prefix + parsed.includeName, true, lines, openFiles);
            break;
        case ShaderDirective::SectionBegin:
            inSection = true;
            break;
        case ShaderDirective::SectionEnd:
            inSection = false;
            break;
        case ShaderDirective::None:
            if (!isIncluded || inSection)
                lines.push_back(chunk);
            break;
        }
    }
    std::fclose(file);
    openFiles.pop_back();
    return true;
}
}

ShaderChunk ParseShaderChunk(const std::string& chunk)
{
    ShaderChunk result;
    size_t pos = 0;
    const std::string first = NextToken(chunk, pos);
    if (first == "#include")
    {
        result.directive = ShaderDirective::Include;
        result.includeName = UnquoteIncludeName(NextToken(chunk, pos));
    }
    else if (first == "#def_include")
        result.directive = ShaderDirective::SectionBegin;
    else if (first == "#def_source")
        result.directive = ShaderDirective::SectionEnd;
    return result;
}

std::string ShaderDirectoryPrefix(const std::string& path)
{
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool PreprocessShaderFile(const std::string& path, bool isIncluded, std::vector<std::string>& lines)
{
    std::vector<std::string> openFiles;
    return PreprocessFile(path, isIncluded, lines, openFiles);
}
