#include "core/NumberText.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace
{
// strto* skip leading spaces; a value must not start with one.
bool StartsLikeANumber(const std::string& text)
{
    return !text.empty() && !std::isspace(static_cast<unsigned char>(text[0]));
}
}

bool ParseWholeInt(const std::string& text, long minimum, long maximum, int& out)
{
    if (!StartsLikeANumber(text))
        return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || value < minimum || value > maximum)
        return false;
    out = int(value);
    return true;
}

bool ParseWholeFloat(const std::string& text, float& out)
{
    if (!StartsLikeANumber(text))
        return false;
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(value))
        return false;
    out = value;
    return true;
}
