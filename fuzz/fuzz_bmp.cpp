// libFuzzer target: the BMP reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TextureImage image;
    std::string error;
    if (decodeBmp(data, size, "fuzz.bmp", image, error) &&
        image.texels.size() != std::size_t(image.width) * image.height * 3)
        __builtin_trap();
    return 0;
}
