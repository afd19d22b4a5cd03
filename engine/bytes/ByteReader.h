#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A checked cursor over a span of bytes. Every binary file reader pulls its
// fields through one of these, so no count or offset taken from a file can
// make a reader step outside the data it was given. Multi-byte values are
// little-endian, as in every file format the engine reads. A read that would
// run past the end returns false and leaves the cursor where it was.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size);
    explicit ByteReader(const std::vector<std::uint8_t>& bytes);

    bool read_u8(std::uint8_t& out) {
        if (pos_ >= size_)
            return false;
        out = data_[pos_++];
        return true;
    }
    bool read_u16(std::uint16_t& out);
    bool read_u32(std::uint32_t& out);
    bool read_i32(std::int32_t& out);
    bool read_f32(float& out);

    // Copies n bytes into out.
    bool read_bytes(std::uint8_t* out, std::size_t n);

    // Returns the next n bytes in place and steps over them, or nullptr
    // (cursor unchanged) when fewer than n remain.
    const std::uint8_t* take(std::size_t n) {
        if (n > size_ - pos_)
            return nullptr;
        const std::uint8_t* p = data_ + pos_;
        pos_ += n;
        return p;
    }

    bool skip(std::size_t n);
    // Moves to an absolute offset; false when it lies past the end.
    bool seek(std::size_t offset);

    // A reader over the next n bytes (or fewer, at the end) that leaves this
    // cursor unchanged; used to fence a section of a file.
    ByteReader window(std::size_t n) const;

    std::size_t position() const { return pos_; }
    std::size_t size() const { return size_; }
    std::size_t remaining() const { return size_ - pos_; }
    bool atEnd() const { return pos_ == size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
