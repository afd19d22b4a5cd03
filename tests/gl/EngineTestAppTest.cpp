#include <gtest/gtest.h>

#include <SDL.h>

#include <regex>
#include <string>

#include "EngineTestApp/EngineTestApp.h"
#include "graphics/CGraphicsCore.h"
#include "objects3d/C3DGameObjectManager.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CLightManager.h"
#include "support/ImageMagick.h"
#include "support/TestWindow.h"

namespace {
void pushKey(SDLKey key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = key;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void tap(SDLKey key) {
    pushKey(key, true);
    pushKey(key, false);
}

// The vertex count kavor-inspect reports for a model file.
unsigned long long inspectedVertices(const std::string& file) {
    std::string out;
    ImageMagick::capture(std::string(KAVOR_INSPECT) + " " + file, out);
    std::smatch match;
    return std::regex_search(out, match, std::regex("\"vertexCount\":(\\d+)")) ? std::stoull(match[1]) : 0;
}
}  // namespace

// The application's own keys, one frame each: Left held for one frame moves
// the light 15 units along x, Space shows the shadow volumes, q draws in
// wire frame, Escape ends run. The vertex read-out counts the three models
// as the inspector does.
TEST(EngineTestApp, KeysAndVertexCount) {
    testing::internal::CaptureStdout();
    EngineTestApp app;
    ASSERT_TRUE(app.init());
    ASSERT_TRUE(TestWindow::attach(800, 600));
    const std::string loading = testing::internal::GetCapturedStdout();
    EXPECT_EQ(loading.find("Could not load"), std::string::npos) << loading;

    const unsigned long long models = inspectedVertices("Data/KModel/plane_new.xml") +
                                      inspectedVertices("Data/Models/MD2/tris.md2") +
                                      inspectedVertices("Data/Models/crusader.3ds");
    EXPECT_EQ(EngineGlobals::gameObjectManager->getTotalVertexCount(), models);
    EXPECT_GT(models, 0u);

    const float lightX = EngineGlobals::lightManager->getLightPosition(1).x;
    tap(SDLK_LEFT);
    tap(SDLK_SPACE);
    tap(SDLK_q);
    pushKey(SDLK_ESCAPE, true);
    testing::internal::CaptureStdout();
    app.run();
    testing::internal::GetCapturedStdout();
    EXPECT_FLOAT_EQ(EngineGlobals::lightManager->getLightPosition(1).x, lightX + 15);
    EXPECT_TRUE(EngineGlobals::gameObjectManager->showShadowVolumes());
    EXPECT_TRUE(EngineGlobals::graphicsCore->isWireframe());
}
