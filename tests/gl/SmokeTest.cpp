#include <gtest/gtest.h>

#include "support/TestWindow.h"

// The shared window opens and a clear colour reads back.
TEST(TestWindowGl, ClearReadsBack) {
    ASSERT_TRUE(TestWindow::open(64, 64));
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    auto p = TestWindow::pixel(0, 0);
    EXPECT_EQ(p[0], 255);
    EXPECT_EQ(p[1], 0);
}
