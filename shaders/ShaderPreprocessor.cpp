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
// Far beyond any real shader, well within the stack and the open-file limit.
const size_t maxIncludeDepth = 32;
// Some thousand times the largest real shader: what goes beyond is a runaway
// include tree (files that include each other's neighbours many times over).
const size_t maxSourceBytes = size_t(4) << 20;

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

// What one expansion has gathered so far.
struct Expansion
{
    std::vector<std::string>& lines;
    std::vector<std::string> openFiles; // identities of the files being read, outermost first
    size_t bytes = 0;
    std::string problem; // why the expansion stopped; "" while it goes on
};

// One chunk as a single fgets into the 255-byte buffer reads it: up to and
// including a newline, at most 254 characters. False at the end of the file.
bool ReadChunk(FILE* file, std::string& chunk)
{
    chunk.clear();
    int c = 0;
    while (chunk.size() < size_t(chunkBufferSize - 1) && (c = std::fgetc(file)) != EOF)
    {
        chunk += char(c);
        if (c == '\n')
            break;
    }
    return !chunk.empty();
}

// Takes a chunk into the source, or stops the expansion where it can't go on.
void Append(const std::string& chunk, const std::string& path, Expansion& expansion)
{
    expansion.bytes += chunk.size();
    if (chunk.find('\0') != std::string::npos)
        expansion.problem = path + " holds a zero byte: not shader text";
    else if (expansion.bytes > maxSourceBytes)
        expansion.problem = "the expansion grows beyond " + std::to_string(maxSourceBytes) + " bytes";
    else
        expansion.lines.push_back(chunk);
}

bool PreprocessFile(const std::string& path, bool isIncluded, Expansion& expansion);

// Reads `file` chunk by chunk, following its includes.
void ExpandChunks(FILE* file, const std::string& path, bool isIncluded, Expansion& expansion)
{
    const std::string prefix = ShaderDirectoryPrefix(path);
    bool inSection = false;
    std::string chunk;
    while (expansion.problem.empty() && ReadChunk(file, chunk))
    {
        const ShaderChunk parsed = ParseShaderChunk(chunk);
        if (parsed.directive == ShaderDirective::Include && !parsed.includeName.empty())
            PreprocessFile(prefix + parsed.includeName, true, expansion);
        else if (parsed.directive == ShaderDirective::SectionBegin || parsed.directive == ShaderDirective::SectionEnd)
            inSection = parsed.directive == ShaderDirective::SectionBegin;
        else if (parsed.directive == ShaderDirective::None && (!isIncluded || inSection))
            Append(chunk, path, expansion);
    }
}

bool PreprocessFile(const std::string& path, bool isIncluded, Expansion& expansion)
{
    const std::string localPath = ResolveResourcePath(path);
    FILE* file = std::fopen(localPath.c_str(), "rt");
    if (!file)
        return false;

    std::vector<std::string>& openFiles = expansion.openFiles;
    const std::string identity = FileIdentity(localPath);
    if (std::find(openFiles.begin(), openFiles.end(), identity) != openFiles.end())
        SDL_Log("[Shader] Include cycle: %s is already being included, skipped", path.c_str());
    else if (openFiles.size() >= maxIncludeDepth)
        SDL_Log("[Shader] Includes nested deeper than %zu at %s, skipped", maxIncludeDepth, path.c_str());
    else
    {
        openFiles.push_back(identity);
        ExpandChunks(file, path, isIncluded, expansion);
        openFiles.pop_back();
    }
    std::fclose(file);
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
    Expansion expansion{lines, {}, 0, ""};
    if (!PreprocessFile(path, isIncluded, expansion))
        return false;
    if (expansion.problem.empty())
        return true;
    SDL_Log("[Shader] %s not compiled: %s", path.c_str(), expansion.problem.c_str());
    lines.clear();
    return false;
}

void InsertDefines(std::vector<std::string>& lines, const std::vector<std::string>& defines)
{
    if (defines.empty())
        return;
    std::string block;
    for (const std::string& name : defines)
        block += "#define " + name + "\n";
    const auto version = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        size_t pos = 0;
        return NextToken(line, pos) == "#version";
    });
    lines.insert(version == lines.end() ? lines.begin() : version + 1, block);
}

std::string VariantPath(const std::string& path, const std::vector<std::string>& defines)
{
    const size_t separator = path.find_last_of("\\/");
    const size_t dot = path.find_last_of('.');
    const size_t end = dot == std::string::npos || (separator != std::string::npos && dot < separator) ? path.size() : dot;
    std::string tags;
    for (const std::string& name : defines)
        tags += "." + name;
    return path.substr(0, end) + tags + path.substr(end);
}
