#pragma once

// The next value of the one process-wide generator (never seeded explicitly):
// an integer from 0 to 32767, whatever the C library's own range is. Users
// divide it by 32767.
int RandomValue();
