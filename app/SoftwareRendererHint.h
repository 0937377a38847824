#pragma once

#include <string>

// One line for a user whose OpenGL runs on the CPU (Mesa's llvmpipe, softpipe
// or lavapipe, the last under zink), naming the preset that keeps the program
// interactive there; "" for any other renderer, or none.
std::string SoftwareRendererHint(const char* renderer);
