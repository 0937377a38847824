#pragma once

// Whether the user-interface library may read and write its layout at `path`:
// there is nothing there yet, or a regular file. Anything else (a folder, a
// device) would be read as a file of absurd length.
bool LayoutFileUsable(const char* path);
