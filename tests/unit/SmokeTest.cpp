#include <gtest/gtest.h>

#include "runtime/EngineClock.h"

// The tick source can be replaced and restored; everything timed relies on it.
TEST(EngineClock, ReplaceableSource) {
    EngineClock::setSource([] { return 1234u; });
    EXPECT_EQ(EngineClock::ticks(), 1234u);
    EngineClock::setSource({});
}
