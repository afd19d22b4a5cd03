#include "particles/CParticleRandom.h"

#include <cmath>
#include <limits>

CParticleRandom::CParticleRandom(std::uint32_t seed) : generator(seed) {}

void CParticleRandom::seed(std::uint32_t value) { generator.seed(value); }

std::uint32_t CParticleRandom::next() { return static_cast<std::uint32_t>(generator()); }

// The span is taken in unsigned 32-bit arithmetic; the minimum keeps its own
// signedness when added back.
template <typename Int>
float CParticleRandom::axisValue(Int minimum, Int maximum, float divisor) {
    if (minimum == maximum)
        return static_cast<float>(minimum);
    const std::uint32_t span = static_cast<std::uint32_t>(maximum) - static_cast<std::uint32_t>(minimum);
    const std::int64_t value = static_cast<std::int64_t>(next() % span) + static_cast<std::int64_t>(minimum) + 1;
    return static_cast<float>(value) / divisor;
}

float CParticleRandom::axis(std::int32_t minimum, std::int32_t maximum, float divisor) {
    return axisValue(minimum, maximum, divisor);
}

float CParticleRandom::axis(std::uint32_t minimum, std::uint32_t maximum, float divisor) {
    return axisValue(minimum, maximum, divisor);
}

float CParticleRandom::life(std::uint32_t minimum, std::uint32_t maximum) {
    if (maximum <= minimum)
        return static_cast<float>(minimum);
    const std::uint64_t value = std::uint64_t{next() % (maximum - minimum)} + minimum + 1;
    return static_cast<float>(value);
}

float CParticleRandom::height(float top, float bottom) {
    const double span = std::trunc(static_cast<double>(top) - bottom);
    if (!(span >= 1.0))
        return top;  // also catches NaN
    constexpr double kLargest = std::numeric_limits<std::uint32_t>::max();
    const std::uint32_t modulus =
        span >= kLargest ? std::numeric_limits<std::uint32_t>::max() : static_cast<std::uint32_t>(span);
    return static_cast<float>(next() % modulus) + bottom + 1.0f;
}
