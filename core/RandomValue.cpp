#include "core/RandomValue.h"

#include <cstdlib>

int RandomValue()
{
    return std::rand() % 32768;
}
