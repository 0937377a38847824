#include "textures/CTexture.h"

#include "textures/ImageDecoder.h"

namespace
{
struct CubeFace
{
    GLenum target;
    const char* name;
};

// Positive Y takes the "bottom" image and positive Z the "back" one: the sky is drawn this way round.
const CubeFace cubeFaces[6] = {
    {GL_TEXTURE_CUBE_MAP_POSITIVE_X, "right"}, {GL_TEXTURE_CUBE_MAP_NEGATIVE_X, "left"},
    {GL_TEXTURE_CUBE_MAP_POSITIVE_Y, "bottom"}, {GL_TEXTURE_CUBE_MAP_NEGATIVE_Y, "top"},
    {GL_TEXTURE_CUBE_MAP_POSITIVE_Z, "back"}, {GL_TEXTURE_CUBE_MAP_NEGATIVE_Z, "front"},
};

void Upload(GLenum target, GLint internalFormat, const DecodedImage& image)
{
    glTexImage2D(target, 0, internalFormat, GLsizei(image.width), GLsizei(image.height), 0,
                 image.pixelFormat, GL_UNSIGNED_BYTE, image.pixels);
}
}

std::string CubemapFacePath(const std::string& pattern, const char* face)
{
    std::string result = pattern;
    const size_t marker = result.find("%s");
    if (marker != std::string::npos)
        result.replace(marker, 2, face);
    return result;
}

void CTexture::RecordImage(const DecodedImage& image)
{
    width = image.width;
    height = image.height;
    bitsPerPixel = image.bitsPerPixel;
    pixelFormat = image.pixelFormat;
    hasTransparency = image.hasTransparency;
}

bool CTexture::LoadTexture2D(const std::string& filePath, bool generateMipmaps)
{
    isCubeMap = false;
    const DecodedImage image = DecodeImage(filePath);
    if (!image)
        return false;
    RecordImage(image);

    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    // An opaque 32-bit image keeps no alpha.
    Upload(GL_TEXTURE_2D, hasTransparency ? GL_RGBA : GL_RGB, image);
    if (generateMipmaps)
        glGenerateMipmap(GL_TEXTURE_2D);
    else
    {
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
    glGenSamplers(1, &sampler);
    glBindTexture(GL_TEXTURE_2D, 0);
    path = filePath;
    mipmaps = generateMipmaps;
    return true;
}

bool CTexture::LoadCubemap(const std::string& pattern, bool generateMipmaps)
{
    isCubeMap = true;
    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_CUBE_MAP, texture);
    for (const CubeFace& face : cubeFaces)
    {
        const DecodedImage image = DecodeImage(CubemapFacePath(pattern, face.name));
        if (!image)
        {
            // The faces loaded so far stay in the texture; the owner releases it.
            glBindTexture(GL_TEXTURE_CUBE_MAP, 0);
            return false;
        }
        RecordImage(image);
        Upload(face.target, GL_RGB, image);
    }
    if (generateMipmaps)
        glGenerateMipmap(GL_TEXTURE_CUBE_MAP);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER,
                    generateMipmaps ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_CUBE_MAP, 0);
    path = pattern;
    mipmaps = generateMipmaps;
    return true;
}

void CTexture::CreateFromData(const void* bytes, unsigned dataWidth, unsigned dataHeight)
{
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // Rows are tightly packed, one byte per texel.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GLsizei(dataWidth), GLsizei(dataHeight), 0,
                 GL_DEPTH_COMPONENT, GL_UNSIGNED_BYTE, bytes);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glGenSamplers(1, &sampler);
    path.clear();
    width = dataWidth;
    height = dataHeight;
    bitsPerPixel = 8;
    pixelFormat = GL_DEPTH_COMPONENT;
}

void CTexture::SetClampToEdge()
{
    Bind(0);
    glTexParameteri(Target(), GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(Target(), GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    Unbind(0);
}

void CTexture::Bind(unsigned unit) const
{
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(Target(), texture);
    glBindSampler(unit, sampler);
}

void CTexture::Unbind(unsigned unit) const
{
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(Target(), 0);
    glBindSampler(unit, 0);
}

void CTexture::Release()
{
    if (texture == 0)
        return;
    glDeleteSamplers(1, &sampler);
    glDeleteTextures(1, &texture);
    sampler = 0;
    texture = 0;
}
