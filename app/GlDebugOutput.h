#pragma once

#include <GL/glew.h>

#include <string>

// How many debug messages of each severity the driver has reported since
// EnableGlDebugOutput.
struct GlDebugTally
{
    int high = 0;
    int medium = 0;
    int low = 0;
    int notification = 0;
};

// One line for a KHR_debug message:
// "[GL debug] severity high, type error, source API, id 1282: <text>".
std::string DescribeGlDebugMessage(GLenum source, GLenum type, GLuint id, GLenum severity, const std::string& text);

// Turns on synchronous debug output on the current context, printing every
// message on standard output and counting it. False, with nothing changed, where
// the context offers no KHR_debug.
bool EnableGlDebugOutput();

GlDebugTally& GetGlDebugTally();
