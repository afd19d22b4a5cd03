#pragma once
#include <cstdint>

// Drives the engine's time by hand for the life of the object: the tick
// counter reads `now`, and the frame clock starts from scratch. Both are put
// back (SDL's ticks, a fresh frame clock) afterwards.
class ManualClock {
public:
    explicit ManualClock(std::uint32_t start = 0);
    ~ManualClock();
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    // Makes the frame time ms milliseconds: one frame now, one ms later.
    void setFrameTime(std::uint32_t ms);

    std::uint32_t now;
};
