#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Little-endian fields appended one by one, for binary files made by hand.
struct ByteWriter {
    std::vector<std::uint8_t> data;

    ByteWriter& u8(unsigned v) {
        data.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    ByteWriter& u16(unsigned v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
    ByteWriter& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    ByteWriter& f32(float v) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return u32(bits);
    }
    // The text's bytes, padded with zeros (or cut) to size; with size 0, the
    // text and one terminating zero.
    ByteWriter& text(const std::string& s, std::size_t size = 0) {
        const std::size_t total = size ? size : s.size() + 1;
        for (std::size_t i = 0; i < total; ++i)
            u8(i < s.size() ? static_cast<unsigned char>(s[i]) : 0);
        return *this;
    }
    // n copies of the byte v.
    ByteWriter& fill(std::size_t n, unsigned v) {
        data.insert(data.end(), n, static_cast<std::uint8_t>(v));
        return *this;
    }
    ByteWriter& raw(const std::vector<std::uint8_t>& bytes) {
        data.insert(data.end(), bytes.begin(), bytes.end());
        return *this;
    }
};
