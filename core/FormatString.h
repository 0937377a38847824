#pragma once

#include <cstdint>
#include <string>

// printf-style formatting into a new string.
std::string FormatString(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Decimal text of `n` with a comma between each group of three digits
// ("1,234,567", "-1,234"); the most negative value reads "-2,147,483,648".
std::string FormatThousands(int32_t n);
