#pragma once
#include <cstdint>

// Upper bounds for anything a reader allocates from a file's header, so a
// hostile header cannot ask for gigabytes.
namespace ImageLimits {
constexpr std::uint64_t kMaxSide = 16384;
constexpr std::uint64_t kMaxBytes = std::uint64_t(256) << 20;

inline bool allowed(std::uint64_t width, std::uint64_t height, std::uint64_t channels) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide && width * height * channels <= kMaxBytes;
}
}  // namespace ImageLimits
