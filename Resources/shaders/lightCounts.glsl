// How many shadow cascades the sun has and how many point lights one draw
// takes: the numbers that the C++ side uploads by (core/LitBindings.h; a test
// holds the two together). Included first by the lit program's stages.
#def_include
#define CASCADE_COUNT 4
#define POINT_LIGHT_SLOTS 3
#def_source
