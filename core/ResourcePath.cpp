#include "core/ResourcePath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
std::string resourceRoot;

bool EqualsIgnoreCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower((unsigned char)x) == std::tolower((unsigned char)y);
           });
}

// Finds an entry of `dir` named `name` in another letter case.
bool FindIgnoringCase(const fs::path& dir, const std::string& name, fs::path& found)
{
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec)
        return false;
    for (const fs::directory_entry& entry : it)
    {
        if (EqualsIgnoreCase(entry.path().filename().string(), name))
        {
            found = dir / entry.path().filename();
            return true;
        }
    }
    return false;
}
}

std::string ResolveResourcePath(const std::string& path)
{
    std::string local = path;
    std::replace(local.begin(), local.end(), '\\', '/');
    if (!resourceRoot.empty() && !local.empty() && local[0] != '/')
        local = (fs::path(resourceRoot) / local).string();

    std::error_code ec;
    if (fs::exists(local, ec))
        return local;

    fs::path resolved;
    for (const fs::path& part : fs::path(local))
    {
        const fs::path exact = resolved / part;
        fs::path other;
        if (fs::exists(exact, ec) || part == "." || part == ".." || part == "/")
            resolved = exact;
        else if (FindIgnoringCase(resolved, part.string(), other))
            resolved = other;
        else
            return local;
    }
    return resolved.string();
}

void SetResourceRoot(const std::string& folder)
{
    resourceRoot = folder;
}

std::optional<std::string> FindResourceRoot(const std::string& programDir)
{
    std::error_code ec;
    fs::path found;
    if (FindIgnoringCase("", "Resources", found) && fs::is_directory(found, ec))
        return std::string();
    if (!programDir.empty() && FindIgnoringCase(programDir, "Resources", found) && fs::is_directory(found, ec))
        return programDir;
    return std::nullopt;
}
