// Engine frames at 1024 x 768 with the GUI demo's kind of window (a
// background, five buttons, two check boxes, a static text) against the same
// frames with the window hidden: the difference is what drawing and polling
// the GUI costs per frame. Run it from the repository root on an X display
// (for example under xvfb-run).
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <memory>

#include "FrameMeasure.h"
#include "GUI/CStaticText.h"
#include "GUI/CWindow.h"
#include "GUI/CWindowManager.h"
#include "core/Engine.h"
#include "runtime/EngineGlobals.h"

namespace {
struct Scene {
    Engine engine;
    std::unique_ptr<CWindow> window;

    Scene() {
        FrameMeasure::requireWindow(engine.createWindow(1024, 768, 32, false, true));
        window = std::make_unique<CWindow>(112, 170, 912, 610, "Data/Main2.png", false, 1.0f, 15, 111, true);
        for (const char* caption : {"Start", "Options", "Credits", "Quit"})
            window->addButton(std::string("Data/MainMenuSample/") + caption, 2, 40, 50, 1);
        window->addButton("Data/Sprite/GombOn", 5, 250, 150, 5);
        window->addCheckBox("Data/checkOff", 1, "Data/checkIn", 1, 250, 60, 986);
        window->addCheckBox("Data/checkOff", 1, "Data/checkIn", 1, 250, 100, 987);
        window->addStaticText(std::make_shared<CStaticText>());
        EngineGlobals::windowManager->addWindow(window);
    }
};

Scene& scene() {
    static Scene instance;
    return instance;
}

void frames(benchmark::State& state, bool windowShown) {
    Scene& s = scene();
    s.window->setVisible(windowShown);
    FrameMeasure::measure(state, 20, [&] {
        s.engine.render();
        SDL_GL_SwapBuffers();
    });
}

void BM_FrameWithWindow(benchmark::State& state) { frames(state, true); }
void BM_FrameWindowHidden(benchmark::State& state) { frames(state, false); }
BENCHMARK(BM_FrameWithWindow)->Iterations(400)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FrameWindowHidden)->Iterations(400)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace

BENCHMARK_MAIN();
