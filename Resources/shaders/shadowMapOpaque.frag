#version 330 core
// Depth only, for casters without holes: nothing to compute, nothing to discard.

void main()
{
}
