#pragma once

#include <optional>
#include <string>

// Resource paths are written relative to the working directory with
// backslashes, as on a case-insensitive file system ("Resources\shaders\x.vert").
// This maps one onto the local file system: separators become '/', and a
// component that does not exist with the given case is matched ignoring case.
// When nothing matches, the separator-converted path is returned so that the
// caller's open fails and reports the name.
std::string ResolveResourcePath(const std::string& path);

// Resource paths are looked up below this folder; empty (the default) is the
// working directory.
void SetResourceRoot(const std::string& folder);

// The folder to look up resources in: "" when the working directory has a
// "Resources" folder, else `programDir` when it has one; nothing when neither does.
std::optional<std::string> FindResourceRoot(const std::string& programDir);
