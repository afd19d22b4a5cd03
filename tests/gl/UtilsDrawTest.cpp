#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "core/CUtils.h"
#include "support/TestWindow.h"

namespace {
using Rgba = std::array<std::uint8_t, 4>;

// Looks at the world from the front: x right, y up, -2..2 on both axes in a
// 64 x 64 window (16 pixels per unit), depth tested, texturing on.
void setUpView() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

std::array<float, 4> currentColour() {
    std::array<float, 4> c{};
    glGetFloatv(GL_CURRENT_COLOR, c.data());
    return c;
}

const Rgba kBlack = {0, 0, 0, 255};
const Rgba kRed = {255, 0, 0, 255};
}  // namespace

TEST(UtilsDraw, CubeShowsItsRedFrontFaceWhereItWasPlaced) {
    ASSERT_TRUE(TestWindow::open(64, 64));
    setUpView();
    CUtils().drawCube(CVector3(1, 1, 0));
    EXPECT_EQ(TestWindow::pixel(48, 16), kRed);  // world (1, 1)
    EXPECT_EQ(TestWindow::pixel(34, 2), kRed);
    EXPECT_EQ(TestWindow::pixel(28, 16), kBlack);
    EXPECT_EQ(TestWindow::pixel(16, 48), kBlack);

    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(currentColour(), (std::array<float, 4>{1, 1, 1, 1}));
    float modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(modelview[12], 0);  // translated back
    EXPECT_EQ(modelview[13], 0);
    glDisable(GL_DEPTH_TEST);
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(UtilsDraw, AxesAndGridLeaveTheirColour) {
    ASSERT_TRUE(TestWindow::open(64, 64));
    setUpView();
    CUtils utils;
    glTranslatef(0, 1.0f / 32, 0);  // half a pixel up: the x axis covers one pixel row
    utils.drawAxes();
    EXPECT_EQ(TestWindow::pixel(50, 31), kRed);
    EXPECT_EQ(TestWindow::pixel(50, 33), kBlack);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(currentColour(), (std::array<float, 4>{0, 0, 1, 1}));

    glEnable(GL_TEXTURE_2D);
    utils.drawGrid(CVector3(0, 0, 0));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(currentColour(), (std::array<float, 4>{0.5f, 0.5f, 0.5f, 1}));
    glDisable(GL_DEPTH_TEST);
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
}
