#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "core/CUtils.h"
#include "graphics/CGraphicsCore.h"
#include "runtime/EngineGlobals.h"
#include "runtime/FrameClock.h"
#include "support/ManualClock.h"
#include "support/SlotGuard.h"

namespace {
// Expects `call` to throw std::runtime_error carrying exactly `message`.
template <typename Call>
void expectError(Call call, const std::string& message) {
    try {
        call();
        ADD_FAILURE() << "no error thrown, expected: " << message;
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(e.what(), message);
    }
}
}  // namespace

TEST(UtilsConversions, NumbersAndBooleans) {
    CUtils u;
    EXPECT_EQ(u.hexToUint("FF"), 255u);
    EXPECT_EQ(u.hexToUint("ff"), 255u);
    EXPECT_EQ(u.hexToUint(""), 0u);
    EXPECT_EQ(u.hexToUint("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(u.hexToUint("0000000000ff"), 255u);  // leading zeros do not overflow
    expectError([&] { u.hexToUint("1G"); }, "Invalid character 'G' for hexToUint()");
    expectError([&] { u.hexToUint("100000000"); }, "Value '100000000' is too large for hexToUint()");

    EXPECT_TRUE(u.strToBool("YES"));
    EXPECT_TRUE(u.strToBool("On"));
    EXPECT_FALSE(u.strToBool("0"));
    EXPECT_FALSE(u.strToBool("False"));
    expectError([&] { u.strToBool("MayBe"); }, "strToBool() cannot parse 'MayBe'.");

    EXPECT_EQ(u.parseFloatList("1.5, 2, x"), (std::vector<float>{1.5f, 2.0f, 0.0f}));
    EXPECT_EQ(u.parseFloatList("1.5,2,x"), (std::vector<float>{1.5f}));
    EXPECT_EQ(u.parseFloatList("-3e2, , 0.25"), (std::vector<float>{-300.0f, 0.0f, 0.25f}));

    EXPECT_EQ(u.floatsToHex({1.0f, 0.5f, 0.0f, 0.04f, 2.0f}), "FF7F000A1FE");
    // Out-of-range values saturate to 16 bits instead of being undefined.
    EXPECT_EQ(u.floatsToHex({1e9f, std::numeric_limits<float>::quiet_NaN()}), "7FFF00");
}

TEST(UtilsConversions, XmlEscapingRoundTrips) {
    CUtils u;
    EXPECT_EQ(u.escapeXml("a<b> & c"), "a&lt;b&gt; &amp; c");
    EXPECT_EQ(u.unescapeXml("x &lt; y &amp;&amp; z &gt; 0 &quot;"), "x < y && z > 0 &quot;");
    // An escaped ampersand stays an ampersand: no second decoding pass.
    EXPECT_EQ(u.unescapeXml("&amp;lt;"), "&lt;");
    for (const std::string text : {"", "&lt;", "<<&>>", "a &amp;gt; b", "&&gt;;"})
        EXPECT_EQ(u.unescapeXml(u.escapeXml(text)), text);
}

TEST(UtilsConversions, FormatHasNoLengthLimit) {
    CUtils u;
    EXPECT_EQ(u.format("%.2X|%s|%d", 10u, "ok", -3), "0A|ok|-3");
    const std::string longText(10000, 'k');
    EXPECT_EQ(u.format("<%s>", longText.c_str()), "<" + longText + ">");
}

TEST(UtilsTangentSpace, FollowsTheTextureAxesAndSkipsDegenerateMappings) {
    CUtils u;
    CVector3 tangent, binormal;
    u.computeTangentSpace({0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {1, 0}, {0, 0}, {1, 1}, tangent, binormal);
    EXPECT_FLOAT_EQ(tangent.x, -1);  // u decreases along x
    EXPECT_FLOAT_EQ(binormal.y, -1);

    // 1/det overflows a float here; the axes must still be finite unit vectors.
    u.computeTangentSpace({0, 0, 0}, {2e10f, 0, 0}, {0, 2e10f, 0}, {0, 0}, {1e-20f, 0}, {0, 1e-20f}, tangent, binormal);
    EXPECT_NEAR(tangent.x, 1, 1e-6f);
    EXPECT_EQ(tangent.y, 0);
    EXPECT_NEAR(binormal.y, -1, 1e-6f);

    CVector3 keptT(7, 8, 9), keptB(1, 2, 3);
    u.computeTangentSpace({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0}, {1, 1}, {2, 2}, keptT, keptB);
    EXPECT_EQ(keptT.z, 9);
    EXPECT_EQ(keptB.x, 1);
}

class FrameClockTest : public testing::Test {
protected:
    void frameAt(std::uint32_t ticks) {
        clock.now = ticks;
        utils.updateFps();
    }

    ManualClock clock;
    CUtils utils;
};

TEST_F(FrameClockTest, RefreshesOnlyAfterMoreThanASecond) {
    frameAt(250);
    EXPECT_FLOAT_EQ(utils.getDeltaTime(), 0.25f);  // time since start-up
    frameAt(500);
    frameAt(1000);  // exactly one second is not more than one
    EXPECT_FLOAT_EQ(utils.getDeltaTime(), 0.5f);
    EXPECT_EQ(utils.getFps(), 0);
    EXPECT_EQ(utils.getFpsText(), "");

    frameAt(1001);
    EXPECT_EQ(utils.getFps(), 4);
    EXPECT_EQ(utils.getFpsText(), " Current FPS: 4");
    frameAt(1500);
    frameAt(2001);  // one second since the refresh: kept
    EXPECT_EQ(utils.getFps(), 4);
    frameAt(2002);
    EXPECT_EQ(utils.getFps(), 3);

    FrameClock::reset();
    frameAt(2100);
    EXPECT_FLOAT_EQ(utils.getDeltaTime(), 2.1f);
}

TEST_F(FrameClockTest, DeltaStaysExactOnLongRunsAndAcrossTickWrap) {
    frameAt(200000000);  // about 55 hours in
    frameAt(200000016);
    EXPECT_FLOAT_EQ(utils.getDeltaTime(), 0.016f);
    frameAt(0xFFFFFF00u);
    frameAt(0x100u);  // the 32-bit tick counter wrapped
    EXPECT_FLOAT_EQ(utils.getDeltaTime(), 0.512f);
}

TEST_F(FrameClockTest, RefreshAppendsTheRateToTheWindowCaption) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    CGraphicsCore graphics;  // its destructor shuts SDL down again
    graphics.setCaption("Demo");
    {
        SlotGuard coreSlot(EngineGlobals::graphicsCore, &graphics);
        frameAt(400);
        frameAt(1200);
    }
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "Demo Current FPS: 2");
    EXPECT_EQ(graphics.getCaption(), "Demo");
}
