// libFuzzer target: the PCX reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/pcx.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TextureImage image;
    std::string error;
    if (decodePcx(data, size, "fuzz.pcx", image, error) &&
        image.texels.size() != std::size_t(image.width) * image.height * 3)
        __builtin_trap();
    return 0;
}
