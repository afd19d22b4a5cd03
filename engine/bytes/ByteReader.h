#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// A checked cursor over bytes. Every binary file reader pulls its fields
// through one of these, so no count or offset taken from a file can make a
// reader step outside the data it was given. Multi-byte values are
// little-endian, as in every file format the engine reads. A read that would
// run past the end returns false and leaves the cursor where it was.
//
// The bytes are either a span in memory or a file opened with open(). A file
// is read once, front to back, through a fixed buffer (kBufferSize bytes
// unless told otherwise; C stdio only), so a reader never holds a whole file:
// a large read_bytes goes straight from the file into its destination. Both
// modes offer the same operations; the span mode never copies.
class ByteReader {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    // The smallest buffer a file is read through: every field fits. The
    // image decoders take up to 8 KiB at once (a 4-bit BMP row of the widest
    // image allowed), so they read files through the default buffer.
    static constexpr std::size_t kMinBufferSize = 16;

    ByteReader();
    ByteReader(const std::uint8_t* data, std::size_t size);
    explicit ByteReader(const std::vector<std::uint8_t>& bytes);
    ByteReader(ByteReader&& other) noexcept;
    ByteReader& operator=(ByteReader&& other) noexcept;
    ByteReader(const ByteReader&) = delete;
    ByteReader& operator=(const ByteReader&) = delete;
    ~ByteReader();

    // Reads the file at path (binary) from its start through a buffer of
    // bufferSize bytes (at least kMinBufferSize); false, and an empty reader,
    // when it cannot be opened or measured.
    bool open(const std::string& path, std::size_t bufferSize = kBufferSize);

    bool read_u8(std::uint8_t& out) {
        if (cur_ != end_) {
            out = *cur_++;
            return true;
        }
        return refillRead(out);
    }
    // The little-endian values at p, which must hold them: for records
    // taken whole.
    static std::uint16_t u16At(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
    static std::uint32_t u32At(const std::uint8_t* p) {
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
               (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
    static float f32At(const std::uint8_t* p) {
        const std::uint32_t bits = u32At(p);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    bool read_u16(std::uint16_t& out);
    bool read_u32(std::uint32_t& out);
    bool read_i32(std::int32_t& out);
    bool read_f32(float& out);

    // Copies n bytes into out (any n).
    bool read_bytes(std::uint8_t* out, std::size_t n);

    // Returns the next n bytes in place and steps over them, or nullptr
    // (cursor unchanged) when fewer than n remain. Over a file, n may be at
    // most the buffer's size and the bytes stay valid until the next call.
    const std::uint8_t* take(std::size_t n) {
        if (n <= static_cast<std::size_t>(end_ - cur_)) {
            const std::uint8_t* p = cur_;
            cur_ += n;
            return p;
        }
        return takeSlow(n);
    }

    bool skip(std::size_t n);
    // Moves to an absolute offset; false when it lies past the end.
    bool seek(std::size_t offset);

    // Reads stop at the absolute offset end (kept between the position and
    // the size), for fencing a section of a file. Returns the previous end,
    // so the fence can be lifted again.
    std::size_t fence(std::size_t end);

    std::size_t position() const { return base_ + static_cast<std::size_t>(cur_ - buf_); }
    // The size of the whole span or file, whatever the fence.
    std::size_t size() const { return size_; }
    std::size_t remaining() const { return limit_ - position(); }
    bool atEnd() const { return position() == limit_; }

private:
    bool refillRead(std::uint8_t& out);
    const std::uint8_t* takeSlow(std::size_t n);
    // Buffers the file from the position on, keeping the bytes still
    // unread; false when it cannot add any.
    bool refill();
    // Drops the buffer and continues at offset.
    void restartAt(std::size_t offset);
    void setEnd();

    const std::uint8_t* buf_;  // first byte at hand; file offset base_
    const std::uint8_t* cur_;
    const std::uint8_t* end_;     // end of what may be read now (buffer or fence)
    const std::uint8_t* filled_;  // end of the bytes at hand
    std::size_t base_ = 0;
    std::size_t size_ = 0;
    std::size_t limit_ = 0;  // the fence
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
    std::unique_ptr<std::uint8_t[]> storage_;
    std::size_t capacity_ = 0;
    std::size_t filePos_ = 0;  // where the next fread starts
};
