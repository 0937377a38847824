#pragma once

#include <string>

// Reads the back buffer of the current context (width x height, before the
// swap) and writes it to a PNG (or, for a ".jpg" path, JPEG) file. Returns
// false when the file can't be written.
bool WriteBackBufferImage(int width, int height, const std::string& path);
