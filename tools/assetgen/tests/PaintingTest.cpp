// The painting primitives every asset is built from: picture, noise, shapes,
// angles.
#include <gtest/gtest.h>

#include <cmath>

#include "Image.h"
#include "Noise.h"
#include "Raster.h"
#include "Trig.h"

TEST(Image, BlendUsesStraightAlphaSoEdgesKeepTheirColour) {
    Image image(2, 1, {1.0f, 1.0f, 1.0f, 0.0f});
    image.blend(0, 0, {1.0f, 1.0f, 1.0f, 1.0f}, 0.5f);
    EXPECT_FLOAT_EQ(image.at(0, 0).a, 0.5f);
    EXPECT_FLOAT_EQ(image.at(0, 0).r, 1.0f) << "a half-covered white pixel must not turn grey";

    image.blend(1, 0, {0.2f, 0.4f, 0.6f, 1.0f});
    image.blend(1, 0, {1.0f, 0.0f, 0.0f, 1.0f}, 0.25f);
    EXPECT_FLOAT_EQ(image.at(1, 0).a, 1.0f);
    EXPECT_NEAR(image.at(1, 0).r, 0.4f, 1e-6f);
    EXPECT_NEAR(image.at(1, 0).g, 0.3f, 1e-6f);
}

TEST(Image, OutOfRangeAccessThrowsAndOutOfRangeBlendIsClipped) {
    Image image(3, 2);
    EXPECT_THROW(image.at(3, 0), std::out_of_range);
    EXPECT_THROW(image.set(0, -1, {}), std::out_of_range);
    EXPECT_THROW(image.crop(2, 2), std::out_of_range);
    EXPECT_THROW(Image(0, 5), std::invalid_argument);
    EXPECT_NO_THROW(image.blend(-1, 7, {1.0f, 1.0f, 1.0f, 1.0f}));
}

TEST(Image, BleedGivesTransparentPixelsTheNearestVisibleColourOfTheirColumn) {
    Image image(2, 6);
    image.set(0, 1, {1.0f, 0.0f, 0.0f, 1.0f});
    image.set(0, 5, {0.0f, 0.0f, 1.0f, 0.5f});
    image.bleedColumns();
    EXPECT_FLOAT_EQ(image.at(0, 0).r, 1.0f);
    EXPECT_FLOAT_EQ(image.at(0, 2).r, 1.0f);
    EXPECT_FLOAT_EQ(image.at(0, 4).b, 1.0f);
    EXPECT_FLOAT_EQ(image.at(0, 4).a, 0.0f) << "bleeding changes colour only, never coverage";
    EXPECT_FLOAT_EQ(image.at(1, 3).a, 0.0f);
    EXPECT_FLOAT_EQ(image.at(1, 3).r, 0.0f) << "an empty column stays as it was";
}

TEST(Image, QuantisationRoundsAndClamps) {
    Image image(1, 1, {0.5f, -0.2f, 1.7f, 0.999f});
    EXPECT_EQ(image.toRgba8(), (std::vector<std::uint8_t>{128, 0, 255, 255}));
}

TEST(Noise, IsAFunctionOfSeedAndPositionOnly) {
    const Noise a(7), b(7), c(8);
    int differing = 0;
    for (int i = 0; i < 50; ++i) {
        const float x = static_cast<float>(i) * 0.37f - 5.0f;
        EXPECT_EQ(a.fbm2D(x, x * 0.5f, 5), b.fbm2D(x, x * 0.5f, 5));
        differing += a.random(i) != c.random(i);
    }
    EXPECT_GT(differing, 45);
}

TEST(Noise, StaysInRangeAndVariesSmoothly) {
    const Noise noise(3);
    for (int i = 0; i < 2000; ++i) {
        const float x = static_cast<float>(i) * 0.013f - 9.0f;
        const float v = noise.fbm2D(x, 1.7f, 6);
        ASSERT_GE(v, 0.0f);
        ASSERT_LE(v, 1.0f);
        EXPECT_LT(std::fabs(noise.value2D(x + 0.001f, 2.2f) - noise.value2D(x, 2.2f)), 0.01f);
        EXPECT_GE(noise.random(i, -i), 0.0f);
        EXPECT_LT(noise.random(i, -i), 1.0f);
    }
}

TEST(Raster, PolygonCoverageIsExactOnPixelEdgesAndPartialAcrossThem) {
    Image image(4, 4);
    Raster::fillPolygon(image, {{1.0f, 1.0f}, {3.0f, 1.0f}, {3.0f, 3.0f}, {1.0f, 3.0f}}, {1.0f, 1.0f, 1.0f, 1.0f});
    EXPECT_FLOAT_EQ(image.at(1, 1).a, 1.0f);
    EXPECT_FLOAT_EQ(image.at(2, 2).a, 1.0f);
    EXPECT_FLOAT_EQ(image.at(0, 1).a, 0.0f);
    EXPECT_FLOAT_EQ(image.at(3, 3).a, 0.0f);

    Image half(2, 1);
    Raster::fillPolygon(half, {{0.0f, 0.0f}, {0.5f, 0.0f}, {0.5f, 1.0f}, {0.0f, 1.0f}}, {1.0f, 1.0f, 1.0f, 1.0f});
    EXPECT_FLOAT_EQ(half.at(0, 0).a, 0.5f);
}

TEST(Raster, GlowFallsFromItsCentreToNothingAtItsRadius) {
    Image image(21, 21);
    Raster::fillGlow(image, 10.5f, 10.5f, 10.0f, {1.0f, 1.0f, 1.0f, 1.0f});
    EXPECT_GT(image.at(10, 10).a, 0.99f);
    EXPECT_GT(image.at(10, 10).a, image.at(14, 10).a);
    EXPECT_FLOAT_EQ(image.at(14, 10).a, image.at(6, 10).a);
    EXPECT_FLOAT_EQ(image.at(0, 0).a, 0.0f);
    EXPECT_FLOAT_EQ(image.at(20, 10).a, 0.0f);
}

TEST(Trig, PolynomialSineAndCosineMatchTheLibraryOverSeveralTurns) {
    for (int i = -4000; i <= 4000; ++i) {
        const float turns = static_cast<float>(i) / 1000.0f;
        const double radians = 2.0 * 3.14159265358979323846 * static_cast<double>(turns);
        ASSERT_NEAR(Trig::sinTurns(turns), std::sin(radians), 2e-6) << turns;
        ASSERT_NEAR(Trig::cosTurns(turns), std::cos(radians), 2e-6) << turns;
    }
}
