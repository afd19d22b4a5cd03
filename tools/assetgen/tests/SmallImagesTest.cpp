// Pointers, particle textures and the logo.
#include <gtest/gtest.h>

#include "AssetFonts.h"
#include "Logo.h"
#include "ParticleImages.h"
#include "Pointers.h"

namespace {

// Power-of-two sides: the texture loader rescales other sizes, which blurs small pictures.
void expectLoaderKeepsSize(const Image& image) {
    for (const int side : {image.width(), image.height()})
        EXPECT_TRUE(side > 0 && (side & (side - 1)) == 0) << side;
}

float inkIn(const Image& image, int x0, int y0, int x1, int y1) {
    float ink = 0.0f;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            ink += image.at(x, y).a;
    return ink;
}

}  // namespace

TEST(Pointers, BothPointersHaveTheirTipAtTheTopLeftHotSpot) {
    for (const Image& pointer : {Pointers::arrow(), Pointers::move()}) {
        ASSERT_EQ(pointer.width(), 32);
        ASSERT_EQ(pointer.height(), 32);
        EXPECT_GT(pointer.at(1, 1).a, 0.9f) << "the tip is at the hot spot";
        EXPECT_GT(pointer.at(0, 0).a, 0.0f);
        EXPECT_EQ(pointer.at(31, 0).a, 0.0f);
        EXPECT_EQ(pointer.at(0, 31).a, 0.0f);
        const Color& body = pointer.at(4, 10);
        EXPECT_EQ(body.a, 1.0f);
        EXPECT_GT(body.r + body.g + body.b, 2.9f) << "white body";
    }
    const Image move = Pointers::move();
    EXPECT_GT(inkIn(move, 16, 16, 32, 32), inkIn(Pointers::arrow(), 16, 16, 32, 32))
        << "the move pointer adds its cross below and to the right";
}

TEST(ParticleImages, GlowIsARoundWhiteSpotFadingToNothing) {
    const Image glow = ParticleImages::glow();
    expectLoaderKeepsSize(glow);
    EXPECT_GT(glow.at(32, 32).a, 0.9f);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(glow.at(i, 0).a, 0.0f);
        EXPECT_EQ(glow.at(0, i).a, 0.0f);
        EXPECT_FLOAT_EQ(glow.at(i, 20).a, glow.at(20, i).a) << "round";
    }
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(glow.at(x, y).r + glow.at(x, y).g + glow.at(x, y).b, 3.0f)
                << "white so the emitter colour tints it";
}

TEST(ParticleImages, RainStreakIsThinVerticalAndTransparentAtItsBorder) {
    const Image rain = ParticleImages::rainStreak();
    expectLoaderKeepsSize(rain);
    EXPECT_GT(rain.height(), rain.width() * 4);
    for (int x = 0; x < rain.width(); ++x) {
        EXPECT_EQ(rain.at(x, 0).a, 0.0f);
        EXPECT_EQ(rain.at(x, rain.height() - 1).a, 0.0f) << "repeat-wrapped filtering would join the ends";
    }
    for (int y = 0; y < rain.height(); ++y) {
        EXPECT_EQ(rain.at(0, y).a, 0.0f);
        EXPECT_EQ(rain.at(rain.width() - 1, y).a, 0.0f);
    }
    const int mid = rain.width() / 2;
    EXPECT_GT(rain.at(mid, rain.height() * 3 / 4).a, rain.at(mid, rain.height() / 4).a) << "tail at the top";
}

TEST(Logo, PlateIsOpaqueInsideAndRoundedAtTheCorners) {
    REQUIRE_ASSET_FONTS();
    const Image logo = Logo::make(assetFontDirectory());
    expectLoaderKeepsSize(logo);
    EXPECT_EQ(logo.at(0, 0).a, 0.0f);
    EXPECT_EQ(logo.at(logo.width() - 1, logo.height() - 1).a, 0.0f);
    EXPECT_GT(logo.at(logo.width() / 2, 4).a, 0.8f);
    float lettering = 0.0f;
    for (int x = 0; x < logo.width(); ++x) {
        const Color& c = logo.at(x, 60);
        lettering += c.r > 0.8f && c.a > 0.8f ? 1.0f : 0.0f;
    }
    EXPECT_GT(lettering, 20.0f) << "the title crosses the middle of the plate";
}
