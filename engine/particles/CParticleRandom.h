#pragma once
#include <cstdint>
#include <random>

// The random draws of the particle emitters, over one seedable uniform 32-bit
// generator so a seeded emitter repeats itself exactly.
class CParticleRandom {
public:
    explicit CParticleRandom(std::uint32_t seed = 5489u);

    void seed(std::uint32_t value);
    std::uint32_t next();

    // One axis of a spawn offset or velocity: minimum + 1 to maximum in
    // integer steps, then divided. Equal bounds give the minimum, undivided,
    // and consume no random number.
    float axis(std::int32_t minimum, std::int32_t maximum, float divisor);
    float axis(std::uint32_t minimum, std::uint32_t maximum, float divisor);
    // A particle life, minimum + 1 to maximum. A range whose maximum does not
    // exceed its minimum gives the minimum.
    float life(std::uint32_t minimum, std::uint32_t maximum);
    // A rain drop's start height, bottom + 1 up to bottom + trunc(top - bottom).
    // When that span is below one unit the drop starts at the top.
    float height(float top, float bottom);

private:
    template <typename Int>
    float axisValue(Int minimum, Int maximum, float divisor);

    std::mt19937 generator;
};
