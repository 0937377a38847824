#pragma once

#include <string>

// Number parsing for command-line values: the whole text must be the number,
// with no leading or trailing characters.

// A decimal integer from `minimum` to `maximum`.
bool ParseWholeInt(const std::string& text, long minimum, long maximum, int& out);
// A finite decimal float ("nan", "inf" and out-of-range values are refused).
bool ParseWholeFloat(const std::string& text, float& out);
