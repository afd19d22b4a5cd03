#include <gtest/gtest.h>

#include "bytes/ByteReader.h"

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
    ByteReader fenced = in.window(2);
    ASSERT_TRUE(fenced.read_u16(u16));
    EXPECT_EQ(u16, 0x1234);
    EXPECT_FALSE(fenced.read_u8(u8));
    EXPECT_EQ(in.window(100).size(), 11u);
    EXPECT_FALSE(ByteReader(nullptr, 10).read_u8(u8));
}
