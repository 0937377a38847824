#include "core/FormatString.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string FormatString(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0)
    {
        va_end(args);
        return std::string();
    }
    std::vector<char> buffer(size_t(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    return std::string(buffer.data(), size_t(length));
}

namespace
{
std::string FormatThousandsWide(int64_t n)
{
    if (n < 0)
        return "-" + FormatThousandsWide(-n);
    if (n < 1000)
        return FormatString("%d", int(n));
    return FormatThousandsWide(n / 1000) + FormatString(",%03d", int(n % 1000));
}
}

std::string FormatThousands(int32_t n)
{
    // Widened first, so that negating the most negative value cannot overflow.
    return FormatThousandsWide(n);
}
