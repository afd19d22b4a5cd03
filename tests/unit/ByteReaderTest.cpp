#include <gtest/gtest.h>

#include "bytes/ByteReader.h"
#include "support/ImageMagick.h"

// Little-endian fields come out right; reads, skips and seeks that would
// pass the end fail and leave the cursor where it was.
TEST(ByteReader, ReadsInsideTheSpanOnly) {
    const std::vector<std::uint8_t> bytes = {0x01, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0x00, 0x00, 0x80, 0x3F, 0xAA};
    ByteReader in(bytes);
    std::uint8_t u8;
    std::uint16_t u16;
    std::uint32_t u32;
    float f32;
    ASSERT_TRUE(in.read_u8(u8) && in.read_u16(u16) && in.read_u32(u32) && in.read_f32(f32));
    EXPECT_EQ(u16, 0x1234);
    EXPECT_EQ(u32, 0x12345678u);
    EXPECT_EQ(f32, 1.0f);
    EXPECT_FALSE(in.read_u16(u16));
    EXPECT_EQ(in.take(SIZE_MAX), nullptr);
    EXPECT_FALSE(in.skip(2));
    EXPECT_FALSE(in.seek(13));
    EXPECT_EQ(in.position(), 11u);

    in.seek(1);
    const std::size_t end = in.fence(3);
    ASSERT_TRUE(in.read_u16(u16));
    EXPECT_EQ(u16, 0x1234);
    EXPECT_FALSE(in.read_u8(u8));
    EXPECT_FALSE(in.seek(4));
    EXPECT_EQ(in.fence(end), 3u);
    EXPECT_EQ(in.remaining(), 9u);
    EXPECT_FALSE(ByteReader(nullptr, 10).read_u8(u8));
}

// Over a file the reader gives the same bytes as over the same bytes in
// memory, across buffer refills, large reads, seeks both ways and a fence;
// reads past the end fail and leave the cursor where it was.
TEST(ByteReader, StreamsAFileAsItReadsMemory) {
    std::vector<std::uint8_t> bytes(3 * ByteReader::kBufferSize + 123);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    ByteReader file, memory(bytes);
    ASSERT_TRUE(file.open(ImageMagick::writeFile("stream.bin", bytes)));
    EXPECT_EQ(file.size(), bytes.size());
    const std::size_t buffer = ByteReader::kBufferSize;
    std::vector<std::uint8_t> a(2 * buffer), b(2 * buffer);
    const auto same = [&](std::size_t n) {
        const std::uint8_t* p = file.take(n);
        const std::uint8_t* q = memory.take(n);
        return p && q && std::equal(p, p + n, q);
    };
    const auto sameBytes = [&](std::size_t n) {
        return file.read_bytes(a.data(), n) && memory.read_bytes(b.data(), n) && a == b;
    };
    std::uint32_t x, y;
    ASSERT_TRUE(file.skip(buffer - 3) && memory.skip(buffer - 3));
    EXPECT_TRUE(file.read_u32(x) && memory.read_u32(y) && x == y);  // across a refill
    EXPECT_TRUE(same(buffer));                                      // a whole buffer, part kept
    EXPECT_TRUE(sameBytes(buffer + 5));                             // straight from the file
    EXPECT_TRUE(file.seek(17) && memory.seek(17) && same(40));      // back before the buffer
    EXPECT_TRUE(file.seek(2 * buffer) && memory.seek(2 * buffer) && same(1));
    EXPECT_EQ(file.take(buffer + 1), nullptr);  // longer than the buffer
    EXPECT_EQ(file.position(), 2 * buffer + 1);

    file.fence(2 * buffer + 10);
    EXPECT_EQ(file.take(10), nullptr);
    EXPECT_FALSE(file.read_bytes(a.data(), 10));
    EXPECT_EQ(file.remaining(), 9u);
    file.fence(bytes.size());
    EXPECT_FALSE(file.read_bytes(a.data(), bytes.size()));
    EXPECT_FALSE(file.skip(bytes.size()));
    EXPECT_EQ(file.position(), 2 * buffer + 1);
    EXPECT_TRUE(file.skip(file.remaining() - 1) && file.read_u8(a[0]) && a[0] == bytes.back());
    EXPECT_FALSE(file.read_u8(a[0]));
    EXPECT_TRUE(file.atEnd());
    EXPECT_FALSE(ByteReader().open(ImageMagick::tempDir() + "/no such file"));
}
