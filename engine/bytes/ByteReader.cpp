#include "bytes/ByteReader.h"

#include <algorithm>
#include <cstring>

namespace {
// Lets an empty reader hand out valid (zero-length) pointers.
const std::uint8_t kNoBytes[1] = {0};
}  // namespace

ByteReader::ByteReader(const std::uint8_t* data, std::size_t size)
    : data_(data ? data : kNoBytes), size_(data ? size : 0) {}

ByteReader::ByteReader(const std::vector<std::uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

bool ByteReader::read_u16(std::uint16_t& out) {
    const std::uint8_t* p = take(2);
    if (!p)
        return false;
    out = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    return true;
}

bool ByteReader::read_u32(std::uint32_t& out) {
    const std::uint8_t* p = take(4);
    if (!p)
        return false;
    out = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
          (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return true;
}

bool ByteReader::read_i32(std::int32_t& out) {
    std::uint32_t bits;
    if (!read_u32(bits))
        return false;
    out = static_cast<std::int32_t>(bits);
    return true;
}

bool ByteReader::read_f32(float& out) {
    std::uint32_t bits;
    if (!read_u32(bits))
        return false;
    std::memcpy(&out, &bits, sizeof out);
    return true;
}

bool ByteReader::read_bytes(std::uint8_t* out, std::size_t n) {
    const std::uint8_t* p = take(n);
    if (!p)
        return false;
    if (n > 0)
        std::memcpy(out, p, n);
    return true;
}

bool ByteReader::skip(std::size_t n) { return take(n) != nullptr; }

bool ByteReader::seek(std::size_t offset) {
    if (offset > size_)
        return false;
    pos_ = offset;
    return true;
}

ByteReader ByteReader::window(std::size_t n) const { return ByteReader(data_ + pos_, std::min(n, remaining())); }
