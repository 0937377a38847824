#pragma once

#include <string>

// Why no window with an OpenGL context can be opened here, or "" when SDL's
// video subsystem is running on a real display (X11 or Wayland). Without one
// SDL falls back to drivers (offscreen, dummy) that the GL loader cannot use.
// Initialises SDL's video subsystem when it is not yet running.
std::string DisplayProblem();

// How to run a program headless: the command line prefix for Xvfb.
extern const char* const xvfbCommand;
