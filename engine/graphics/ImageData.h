#pragma once
#include <cstdint>
#include <vector>

// An image read into memory by the utilities: R, G, B bytes (channels 3),
// rows bottom first, tightly packed.
struct ImageData {
    std::int32_t channels = 3;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> data;
};
