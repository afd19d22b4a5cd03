#include <gtest/gtest.h>

#include <array>

#include "VelmoraGame/CPixelBuffer.h"
#include "support/TestWindow.h"

// The field lands pixel for pixel above the raster position, row 0 at the
// bottom, even with texturing, depth testing and 4-byte row alignment left on
// by the rest of the frame; that state is left as it was.
TEST(VelmoraFieldDraw, DrawsTheFieldUpwardsFromTheRasterPosition) {
    ASSERT_TRUE(TestWindow::open(320, 240));
    CPixelBuffer field;
    field.init(7, 5);  // 21-byte rows: not a multiple of four
    field.paint({0, 0}, CPixelBuffer::TRAIL);
    field.paint({6, 4}, CPixelBuffer::COLUMN_PAIR);

    GLuint texture = 0;
    const std::uint8_t black[4] = {0, 0, 0, 255};
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, black);
    glEnable(GL_TEXTURE_2D);
    glClearColor(0, 0, 0, 1);
    glClearDepth(0.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);

    glRasterPos2i(50, 100);
    field.draw();

    using Rgba = std::array<std::uint8_t, 4>;
    const auto rgba = [](CPixelBuffer::Rgb c) { return Rgba{c.red, c.green, c.blue, 255}; };
    EXPECT_EQ(TestWindow::pixel(50, 99), rgba(CPixelBuffer::TRAIL));
    EXPECT_EQ(TestWindow::pixel(56, 95), rgba(CPixelBuffer::COLUMN_PAIR));
    EXPECT_EQ(TestWindow::pixel(53, 97), rgba(CPixelBuffer::FREE));
    EXPECT_EQ(TestWindow::pixel(57, 97), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(TestWindow::pixel(53, 94), (Rgba{0, 0, 0, 255}));
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && glIsEnabled(GL_DEPTH_TEST) && alignment == 4);
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glClearDepth(1.0);
    glDeleteTextures(1, &texture);
}
