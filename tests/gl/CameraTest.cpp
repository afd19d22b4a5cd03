#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <memory>

#include "Basic/C3DMath.h"
#include "graphics/CGraphicsCore.h"
#include "input/CEventManager.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"
#include "support/ManualClock.h"
#include "support/SlotGuard.h"
#include "support/TestWindow.h"
#include "support/VectorNear.h"

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kMidX = kWidth / 2;
constexpr int kMidY = kHeight / 2;

// Pumps SDL until its mouse state reports (x, y) (the X server delivers the
// motion of a warp asynchronously), then empties the event queue.
bool pointerReaches(int x, int y) {
    int mouseX = -1, mouseY = -1;
    for (int attempt = 0; attempt < 200 && (mouseX != x || mouseY != y); ++attempt) {
        SDL_Delay(attempt ? 5 : 0);
        SDL_PumpEvents();
        SDL_GetMouseState(&mouseX, &mouseY);
    }
    for (SDL_Event event; SDL_PollEvent(&event);) {
    }
    SDL_GetMouseState(&mouseX, &mouseY);
    return mouseX == x && mouseY == y;
}

// Rodrigues' rotation of v about the unit axis k.
CVector3 rotated(const CVector3& v, const CVector3& k, float angle) {
    return v * std::cos(angle) + cross(k, v) * std::sin(angle) + k * (dot(k, v) * (1.0f - std::cos(angle)));
}

class CameraTest : public testing::Test {
protected:
    // A 3D window opened by the engine's own graphics core, which the camera
    // asks for the window size. Destroying the core quits SDL, so the suites
    // after this one start from a fresh context with its default state.
    static void SetUpTestSuite() {
        core = std::make_unique<CGraphicsCore>();
        ASSERT_TRUE(core->initialize(kWidth, kHeight, 32, false, false));
        ASSERT_TRUE(TestWindow::attach(kWidth, kHeight));
    }
    static void TearDownTestSuite() { core.reset(); }

    void SetUp() override {
        ASSERT_TRUE(core && core->hasContext());
        ASSERT_TRUE(movePointer(kMidX, kMidY));
    }
    void TearDown() override { releaseKeys(); }

    // The pointer really moves; the event manager reads it like each frame.
    bool movePointer(int x, int y) {
        SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
        const bool reached = pointerReaches(x, y);
        events.updateMouse();
        return reached;
    }

    void setFrameTime(std::uint32_t ms) { clock.setFrameTime(ms); }

    // SDL's key table is what the camera reads; events that SDL turns into
    // key state come from the X server, so the test sets the table directly.
    static void holdKey(SDLKey key) { SDL_GetKeyState(nullptr)[key] = 1; }
    static void releaseKeys() {
        Uint8* keys = SDL_GetKeyState(nullptr);
        for (SDLKey key : {SDLK_w, SDLK_a, SDLK_s, SDLK_d})
            keys[key] = 0;
    }

    static inline std::unique_ptr<CGraphicsCore> core;
    CEventManager events;
    SlotGuard<CGraphicsCore> coreSlot{EngineGlobals::graphicsCore, core.get()};
    SlotGuard<CEventManager> eventSlot{EngineGlobals::eventManager, &events};
    ManualClock clock{1000};
    CCamera camera;
};
}  // namespace

// The view offset turns about the side axis by the vertical offset, then
// about the vertical by the horizontal offset, 0.005 radians per pixel, and
// the pointer is re-centred. A centred pointer changes nothing; a vertical
// jump of more than 200 pixels in one frame is dropped whole, but re-centred.
TEST_F(CameraTest, MouseLookTurnsTheViewAndRecentres) {
    camera.positionCamera(0, 0, 0, 0, 0, -10, 0, 1, 0);
    camera.update();
    expectNear(camera.getView(), {0, 0, -10}, 1e-3f);
    ASSERT_TRUE(movePointer(kMidX + 50, kMidY + 201));
    camera.update();
    expectNear(camera.getView(), {0, 0, -10}, 1e-3f);
    EXPECT_TRUE(pointerReaches(kMidX, kMidY));

    ASSERT_TRUE(movePointer(kMidX + 40, kMidY - 60));
    camera.update();
    expectNear(camera.getView(), rotated(rotated({0, 0, -10}, {-1, 0, 0}, 0.3f), {0, 1, 0}, -0.2f), 1e-3f);
    expectNear(camera.getPosition(), {0, 0, 0}, 1e-3f);

    camera.positionCamera(5, 1, 2, 5, 1, -8, 0, 1, 0);
    ASSERT_TRUE(movePointer(kMidX - 100, kMidY));
    camera.update();
    const CVector3 offset = rotated({0, 0, -10}, {0, 1, 0}, 0.5f);
    expectNear(camera.getView(), CVector3{5, 1, 2} + offset, 1e-3f);
    expectNear(camera.getDirection(), offset / 10.0f, 1e-3f);
    EXPECT_LT(camera.getView().x, 5.0f);  // pointer to the left turns left
    EXPECT_TRUE(pointerReaches(kMidX, kMidY));
}

TEST_F(CameraTest, WAndSMoveAlongTheLastViewDirection) {
    camera.positionCamera(0, 0, 0, 0, 0, -10, 0, 1, 0);
    setFrameTime(100);
    holdKey(SDLK_w);
    camera.update();
    expectNear(camera.getPosition(), {0, 0, 0}, 1e-3f);  // no direction before the first turn

    ASSERT_TRUE(movePointer(kMidX - 100, kMidY));
    camera.update();  // turns, then walks 200 * 0.1 units
    const CVector3 direction = rotated({0, 0, -1}, {0, 1, 0}, 0.5f);
    expectNear(camera.getPosition(), direction * 20.0f, 1e-3f);
    expectNear(camera.getView() - camera.getPosition(), direction * 10.0f, 1e-3f);

    ASSERT_TRUE(movePointer(kMidX, kMidY));  // the next frame reads the re-centred pointer
    releaseKeys();
    holdKey(SDLK_s);
    camera.setSpeed(50.0f);
    camera.update();
    expectNear(camera.getPosition(), direction * 15.0f, 1e-3f);
}

// A tilted up vector gives the side axis a vertical part, which strafing drops.
TEST_F(CameraTest, AAndDStrafeWithoutChangingHeight) {
    camera.positionCamera(0, 0, 0, 0, 0, -10, 0.6f, 0.8f, 0);
    setFrameTime(100);
    holdKey(SDLK_a);
    camera.update();
    const CVector3 side = camera.getStrafe();
    ASSERT_GT(std::fabs(side.y), 0.1f);
    expectNear(camera.getPosition(), {side.x * 20.0f, 0, side.z * 20.0f}, 1e-3f);
    expectNear(camera.getView(), {side.x * 20.0f, 0, -10 + side.z * 20.0f}, 1e-3f);
    releaseKeys();
    holdKey(SDLK_d);
    camera.update();
    expectNear(camera.getPosition(), {0, 0, 0}, 1e-3f);

    camera.positionCamera(0, 10, 0, 0, 0, 0, 0, 1, 0);  // straight down: no side axis
    camera.update();
    expectNear(camera.getPosition(), {0, 10, 0}, 1e-3f);  // stays put instead of turning NaN
}

TEST_F(CameraTest, LookCullsWithTheAppliedViewAndStoresItsInverse) {
    core->setup3D(kWidth, kHeight);
    camera.positionCamera(30, 10, 40, 5, 2, 0, 0, 1, 0);  // off the origin: every term of the inverse counts
    glLoadIdentity();
    camera.look();
    EXPECT_TRUE(camera.getFrustum().pointInFrustum(0, 0, 0));
    EXPECT_FALSE(camera.getFrustum().pointInFrustum(60, 20, 80));  // behind the eye

    camera.storeInverseViewMatrix();
    float view[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, view);
    const auto& inverse = camera.getInverseViewMatrix();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += inverse[k * 4 + r] * view[c * 4 + k];
            EXPECT_NEAR(sum, r == c ? 1.0f : 0.0f, 1e-4f) << r << "," << c;
        }
    expectNear({inverse[12], inverse[13], inverse[14]}, {30, 10, 40}, 1e-3f);  // the eye in world space
    glLoadIdentity();
}
