#pragma once

#include <GL/glew.h>

#include <cstddef>
#include <vector>

// One OpenGL buffer with a staging copy that is emptied once uploaded.
class CVertexBufferObject
{
public:
    void Create();
    void Bind(GLenum bindTarget);
    void AddData(const void* bytes, size_t size);
    void UploadToGPU(GLenum usage);
    // Safe to call twice, and on a buffer never created.
    void Delete();

    GLuint buffer = 0;
    GLenum target = 0;
    std::vector<unsigned char> data;
    bool uploaded = false;
};
