#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Little-endian bytes of a binary file as it is written, whatever the
// machine's own byte order.
class ByteSink {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v);  // IEEE 754 single precision
    // text zero-padded to a field of size bytes; throws when it does not fit
    // with its terminating zero.
    void field(const std::string& text, std::size_t size);
    // text followed by a zero byte.
    void cString(const std::string& text);

    void patchU32(std::size_t at, std::uint32_t v);
    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};
