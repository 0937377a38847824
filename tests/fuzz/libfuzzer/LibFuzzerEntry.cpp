// libFuzzer's entry point for one fuzz target, chosen at build time by
// KESTRUNE_FUZZ_TARGET (see tests/CMakeLists.txt).
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return KESTRUNE_FUZZ_TARGET(data, size);
}
