#pragma once
#include <GL/glew.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bytes/PixelBuffer.h"

// A decoded image held in memory, ready for upload: rows bottom first (row 0
// is the bottom row of the picture, as OpenGL expects), tightly packed.
struct TextureImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    GLenum format = GL_RGB;
    std::int32_t components = 3;
    GLuint textureId = 0;
    PixelBuffer texels;
};

// Upper bounds for anything a reader allocates from a file's header, so a
// hostile header cannot ask for gigabytes.
namespace ImageLimits {
constexpr std::uint64_t kMaxSide = 16384;
constexpr std::uint64_t kMaxBytes = std::uint64_t(256) << 20;

inline bool allowed(std::uint64_t width, std::uint64_t height, std::uint64_t channels) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide && width * height * channels <= kMaxBytes;
}
}  // namespace ImageLimits
