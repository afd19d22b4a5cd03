#include "support/ManualClock.h"

#include "runtime/EngineClock.h"
#include "runtime/FrameClock.h"

ManualClock::ManualClock(std::uint32_t start) : now(start) {
    FrameClock::reset();
    EngineClock::setSource([this] { return now; });
}

ManualClock::~ManualClock() {
    EngineClock::setSource({});
    FrameClock::reset();
}

void ManualClock::setFrameTime(std::uint32_t ms) {
    FrameClock::advance();
    now += ms;
    FrameClock::advance();
}
