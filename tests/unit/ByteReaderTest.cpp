#include <gtest/gtest.h>

#include "core/ByteReader.h"

// Little-endian fields come out right, and a read that would pass the end
// fails without moving the cursor.
TEST(ByteReader, ReadsLittleEndianAndRefusesToRunPastTheEnd) {
    const std::vector<std::uint8_t> bytes = {0x01, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0x00, 0x00, 0x80, 0x3F, 0xAA};
    ByteReader in(bytes);
    std::uint8_t u8;
    std::uint16_t u16;
    std::uint32_t u32;
    float f32;
    ASSERT_TRUE(in.read_u8(u8) && in.read_u16(u16) && in.read_u32(u32) && in.read_f32(f32));
    EXPECT_EQ(u8, 0x01);
    EXPECT_EQ(u16, 0x1234);
    EXPECT_EQ(u32, 0x12345678u);
    EXPECT_EQ(f32, 1.0f);
    EXPECT_FALSE(in.read_u16(u16));
    EXPECT_FALSE(in.read_u32(u32));
    EXPECT_EQ(in.position(), 11u);
    ASSERT_TRUE(in.read_u8(u8));
    EXPECT_EQ(u8, 0xAA);
    EXPECT_TRUE(in.atEnd());
    EXPECT_FALSE(in.read_u8(u8));
    std::int32_t i32;
    ASSERT_TRUE(ByteReader(std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}).read_i32(i32));
    EXPECT_EQ(i32, -2);
}

// take, skip, seek and window never reach outside the span, even with sizes
// near the top of the size range.
TEST(ByteReader, CursorMovesStayInside) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5};
    ByteReader in(bytes);
    EXPECT_EQ(in.take(6), nullptr);
    EXPECT_EQ(in.take(SIZE_MAX), nullptr);
    EXPECT_FALSE(in.skip(SIZE_MAX));
    EXPECT_EQ(in.position(), 0u);
    ASSERT_TRUE(in.skip(2));
    const std::uint8_t* p = in.take(2);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[0], 3);
    EXPECT_FALSE(in.seek(6));
    EXPECT_TRUE(in.seek(5));
    EXPECT_TRUE(in.atEnd());

    in.seek(1);
    ByteReader fenced = in.window(2);
    EXPECT_EQ(fenced.size(), 2u);
    std::uint8_t b;
    ASSERT_TRUE(fenced.read_u8(b) && fenced.read_u8(b));
    EXPECT_EQ(b, 3);
    EXPECT_FALSE(fenced.read_u8(b));
    EXPECT_EQ(in.position(), 1u);
    EXPECT_EQ(in.window(100).size(), 4u);

    ByteReader empty(nullptr, 10);
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_NE(empty.take(0), nullptr);
    EXPECT_FALSE(empty.read_u8(b));
}
