#include "runtime/EngineClock.h"

#include <SDL.h>

namespace {
EngineClock::Source& source() {
    static EngineClock::Source current;
    return current;
}
}  // namespace

std::uint32_t EngineClock::ticks() { return source() ? source()() : SDL_GetTicks(); }

void EngineClock::setSource(Source newSource) { source() = std::move(newSource); }
