#include "graphics/TextureUpload.h"

#include <GL/glu.h>

#include "graphics/TextureImage.h"

namespace TextureUpload {
namespace {
void applyAnisotropy() {
    GLfloat maximum = 1.0f;
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &maximum);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, maximum);
}
}  // namespace

GLuint create(const std::uint8_t* pixels, int width, int height, GLenum format, const Options& options) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    if (options.wrap) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, options.wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, options.wrap);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, options.magFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, options.minFilter);
    if (options.anisotropy)
        applyAnisotropy();
    // Rows are tightly packed; the default alignment of 4 would read past
    // the end of every row whose length is not a multiple of four.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLint components = format == GL_RGBA ? 4 : 3;
    if (options.mipmaps)
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE, pixels);
    else
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return name;
}

GLuint createMipmapped(const TextureImage& image, bool anisotropy) {
    if (image.texels.empty())
        return 0;
    Options options;
    options.minFilter = GL_LINEAR_MIPMAP_LINEAR;
    options.mipmaps = true;
    options.anisotropy = anisotropy;
    return create(image.texels.data(), image.width, image.height, image.format, options);
}

}  // namespace TextureUpload
