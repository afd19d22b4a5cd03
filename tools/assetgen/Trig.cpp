#include "Trig.h"

#include <cmath>

namespace Trig {

float sinTurns(float turns) {
    // Reduce to [-1/2, 1/2] turn, fold into [-1/4, 1/4] by sin(pi - x) =
    // sin(x), then a Taylor series that is exact to about 6e-8 there.
    float t = turns - std::floor(turns + 0.5f);
    if (t > 0.25f)
        t = 0.5f - t;
    else if (t < -0.25f)
        t = -0.5f - t;
    const float x = 2.0f * pi * t;
    const float x2 = x * x;
    float term = x, sum = x;
    for (int n = 2; n <= 12; n += 2) {
        term = -term * x2 / static_cast<float>(n * (n + 1));
        sum += term;
    }
    return sum;
}

float cosTurns(float turns) { return sinTurns(turns + 0.25f); }

}  // namespace Trig
