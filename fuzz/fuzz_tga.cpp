// libFuzzer target: both TGA readers on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "graphics/CTGA.h"
#include "graphics/CTGALoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CTGALoader loader;
    if (loader.decode(data, size, "fuzz.tga") && loader.imageData.size() != loader.imageSize)
        __builtin_trap();
    CTGA simple;
    simple.decode(data, size);
    return 0;
}
