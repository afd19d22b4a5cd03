#include "runtime/FrameClock.h"

#include "runtime/EngineClock.h"

namespace {
// Times are kept as whole ticks so differences stay exact however long the
// program runs (float seconds lose whole frames after a few hours) and wrap
// correctly when the 32-bit tick counter does.
struct State {
    std::uint32_t lastFrameTicks = 0;
    std::uint32_t lastSecondTicks = 0;
    int frameCounter = 0;
    float deltaTime = 0.0f;
    std::string fpsText;
};

State& state() {
    static State clock;
    return clock;
}

constexpr std::uint32_t kTicksPerSecond = 1000;
}  // namespace

FrameClock::Tick FrameClock::advance() {
    State& clock = state();
    const std::uint32_t now = EngineClock::ticks();
    Tick tick;
    tick.deltaTime = clock.deltaTime = static_cast<float>(now - clock.lastFrameTicks) / kTicksPerSecond;
    clock.lastFrameTicks = now;
    ++clock.frameCounter;
    if (now - clock.lastSecondTicks <= kTicksPerSecond)
        return tick;
    clock.lastSecondTicks = now;
    tick.secondPassed = true;
    tick.fps = clock.frameCounter;
    clock.fpsText = " Current FPS: " + std::to_string(tick.fps);
    clock.frameCounter = 0;
    return tick;
}

float FrameClock::deltaTime() { return state().deltaTime; }

const std::string& FrameClock::fpsText() { return state().fpsText; }

void FrameClock::reset() { state() = State{}; }
