#pragma once

#include <GL/glew.h>

// The full-screen quad that every effect pass draws: two triangles covering
// clip space, position in attribute 0 and texture coordinate in attribute 1.
// Each pass owns one; Create and Destroy make and free its buffer and vertex array.
struct EffectQuad
{
    void Create();
    // Draws the six vertices and unbinds the vertex array.
    void Draw() const;
    void Destroy();

    GLuint vertexArray = 0;
    GLuint vertexBuffer = 0;
};
