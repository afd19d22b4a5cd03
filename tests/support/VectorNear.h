#pragma once
#include <gtest/gtest.h>

#include "Basic/CVector3.h"

// Expects each of x, y and z within tolerance of the expected vector's.
inline void expectNear(const CVector3& actual, const CVector3& expected, float tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
