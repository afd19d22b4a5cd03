#pragma once
#include <cstdint>
#include <functional>

// The one place the engine reads time. Frame clock, sprites and animations ask
// here instead of calling SDL_GetTicks, so tests can drive time by hand.
class EngineClock {
public:
    using Source = std::function<std::uint32_t()>;

    // Milliseconds since SDL started (or whatever the installed source says).
    static std::uint32_t ticks();
    // Replaces the tick source; an empty source restores SDL_GetTicks.
    static void setSource(Source source);
};
