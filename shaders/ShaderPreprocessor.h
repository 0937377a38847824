#pragma once

#include <string>
#include <vector>

// Shader sources are read in chunks of at most 254 characters (one fgets of a
// 255-byte buffer). A chunk whose first token is a directive steers inclusion;
// every other chunk is passed to the compiler unchanged.
enum class ShaderDirective
{
    None,
    Include,      // "#include" with its second token
    SectionBegin, // "#def_include": what an including file takes starts here
    SectionEnd,   // "#def_source": ... and ends here
};

struct ShaderChunk
{
    ShaderDirective directive = ShaderDirective::None;
    std::string includeName; // quotes removed; empty when the name was not quoted at both ends
};

ShaderChunk ParseShaderChunk(const std::string& chunk);

// The path up to and including its last '\' or '/', or "" when it has neither.
std::string ShaderDirectoryPrefix(const std::string& path);

// Appends the chunks of `path` (and of the files it includes, in place of their
// "#include" chunks) to `lines`. An included file contributes only the chunks
// inside its "#def_include" ... "#def_source" sections. Returns false when
// `path` itself cannot be opened, and, with a message and `lines` emptied, when
// a file holds a zero byte (it isn't text) or the expansion grows beyond 4 MiB. An include that cannot be opened contributes
// nothing, and a file that is already being included, or one nested more than 32
// includes deep, is skipped with a message.
bool PreprocessShaderFile(const std::string& path, bool isIncluded, std::vector<std::string>& lines);

// Puts a "#define NAME" line for each name in front of the source, after its
// "#version" line when the first chunk is one (the compiler takes nothing
// before it), so that one file builds in variants.
void InsertDefines(std::vector<std::string>& lines, const std::vector<std::string>& defines);

// The name a variant's stage goes by in messages and shader dumps: the file's
// path with the defines' names before its extension ("a.frag" with A and B:
// "a.A.B.frag"), so that each variant of one file has a name of its own.
std::string VariantPath(const std::string& path, const std::vector<std::string>& defines);
