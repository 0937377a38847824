#include "FuzzTargets.h"

#include <cstdio>
#include <cstdlib>

void FuzzCheck(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
