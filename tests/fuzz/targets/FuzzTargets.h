#pragma once

// The fuzz targets: each takes one input of any bytes and returns 0. A fault
// shows as a crash, a sanitizer report or a failed FUZZ_CHECK, which aborts.
// The suite runs them on mutated data-set files (FuzzSuiteTest.cpp); a clang
// build with -DKESTRUNE_LIBFUZZER=ON also links each into a libFuzzer binary.

#include <cstddef>
#include <cstdint>

// Bytes split at zero bytes into up to three shader files, main.glsl, a.glsl and
// b.glsl in one folder; main.glsl is preprocessed.
int FuzzShaderPreprocessor(const uint8_t* data, size_t size);

// An image file's bytes, decoded as a texture would be.
int FuzzImageDecoder(const uint8_t* data, size_t size);

// Bytes split at the first zero byte into model.obj and model.mtl, imported and
// laid into vertex streams as a mesh would be.
int FuzzModelLoader(const uint8_t* data, size_t size);

// Aborts with `what` when `condition` is false.
void FuzzCheck(bool condition, const char* what);
