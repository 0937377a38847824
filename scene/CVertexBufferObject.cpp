#include "scene/CVertexBufferObject.h"

void CVertexBufferObject::Create()
{
    glGenBuffers(1, &buffer);
}

void CVertexBufferObject::Bind(GLenum bindTarget)
{
    target = bindTarget;
    glBindBuffer(target, buffer);
}

void CVertexBufferObject::AddData(const void* bytes, size_t size)
{
    const auto* first = static_cast<const unsigned char*>(bytes);
    data.insert(data.end(), first, first + size);
}

void CVertexBufferObject::UploadToGPU(GLenum usage)
{
    glBufferData(target, GLsizeiptr(data.size()), data.data(), usage);
    uploaded = true;
    data.clear();
    data.shrink_to_fit();
}

void CVertexBufferObject::Delete()
{
    if (buffer != 0)
        glDeleteBuffers(1, &buffer);
    buffer = 0;
    uploaded = false;
    data.clear();
    data.shrink_to_fit();
}
