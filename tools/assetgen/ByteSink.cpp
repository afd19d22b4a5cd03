#include "ByteSink.h"

#include <cstring>
#include <stdexcept>

void ByteSink::u16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v & 0xff));
    u8(static_cast<std::uint8_t>(v >> 8));
}

void ByteSink::u32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        u8(static_cast<std::uint8_t>((v >> shift) & 0xff));
}

void ByteSink::f32(float v) {
    static_assert(sizeof(float) == sizeof(std::uint32_t), "32-bit float");
    std::uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    u32(bits);
}

void ByteSink::field(const std::string& text, std::size_t size) {
    if (text.size() >= size)
        throw std::invalid_argument("text does not fit its field: " + text);
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    bytes_.insert(bytes_.end(), size - text.size(), 0);
}

void ByteSink::cString(const std::string& text) { field(text, text.size() + 1); }

void ByteSink::patchU32(std::size_t at, std::uint32_t v) {
    if (at + 4 > bytes_.size())
        throw std::out_of_range("patch beyond the written bytes");
    for (int i = 0; i < 4; ++i)
        bytes_[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xff);
}
