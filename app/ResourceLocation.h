#pragma once

// Finds the data set for a program started from any folder: the working
// directory's "Resources" folder, else the one beside the program's own file.
// When neither exists it prints one line on stderr, starting with `program`,
// that says where it looked and how to run the program, and returns false.
bool UseResourcesFolder(const char* program);
