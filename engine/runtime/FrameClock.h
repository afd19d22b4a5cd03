#pragma once
#include <cstdint>
#include <string>

// The engine's frame clock, one per process. The utilities advance it once
// per frame while the frame-rate display is on; everything that moves with
// time (parallax layers, particles, the 3D camera) reads the frame time here.
class FrameClock {
public:
    // What one advance measured.
    struct Tick {
        float deltaTime = 0.0f;     // seconds since the previous advance
        bool secondPassed = false;  // more than a second since the last refresh
        int fps = 0;                // frames of the second that just ended
    };

    // Reads the engine clock and counts one frame. Once more than a second
    // has passed since the last refresh, the frame rate and its text are
    // refreshed and the frame count starts again.
    static Tick advance();
    // Seconds between the last two advances; 0 before the second one.
    static float deltaTime();
    // " Current FPS: <n>", empty until the first refresh.
    static const std::string& fpsText();
    // Back to the start-up state, as if advance had never run.
    static void reset();
};
