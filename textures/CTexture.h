#pragma once

#include <GL/glew.h>

#include <string>

struct DecodedImage;

// One OpenGL texture (2D or cube map) with its sampler object and a record of
// what was loaded into it. Created by the loaders, freed by Release only.
class CTexture
{
public:
    bool LoadTexture2D(const std::string& path, bool generateMipmaps);
    // `pattern` holds one "%s" for the face names "right", "left", "bottom", "top", "back", "front".
    bool LoadCubemap(const std::string& pattern, bool generateMipmaps);
    // A single-channel texture from tightly packed bytes; shaders read it from red.
    void CreateFromData(const void* bytes, unsigned width, unsigned height);
    void SetClampToEdge();

    void Bind(unsigned unit) const;
    void Unbind(unsigned unit) const;
    void Release();

    GLenum Target() const { return isCubeMap ? GL_TEXTURE_CUBE_MAP : GL_TEXTURE_2D; }

    unsigned width = 0;
    unsigned height = 0;
    unsigned bitsPerPixel = 0; // of the pixels uploaded
    GLenum pixelFormat = 0;    // of the pixels uploaded
    bool hasTransparency = false;
    GLuint texture = 0;
    GLuint sampler = 0;
    bool mipmaps = false;
    std::string path;
    bool isCubeMap = false;

private:
    void RecordImage(const DecodedImage& image);
};

// The face file of a cube-map pattern; "%s" stands for the face name.
std::string CubemapFacePath(const std::string& pattern, const char* face);
