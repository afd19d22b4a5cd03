#include "Noise.h"

#include <cmath>

#include "Color.h"

namespace {

std::uint32_t mixBits(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

// Quintic fade: zero first and second derivative at the lattice points.
float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

float interpolate(float a, float b, float t) { return a + (b - a) * t; }

}  // namespace

float Noise::random(int x, int y) const {
    std::uint32_t h = mixBits(seed_ ^ 0x9e3779b9U);
    h = mixBits(h ^ static_cast<std::uint32_t>(x));
    h = mixBits(h ^ (static_cast<std::uint32_t>(y) * 0x85ebca6bU));
    return static_cast<float>(h >> 8) * (1.0f / 16777216.0f);
}

float Noise::value2D(float x, float y) const {
    const float cellX = std::floor(x);
    const float cellY = std::floor(y);
    const int ix = static_cast<int>(cellX);
    const int iy = static_cast<int>(cellY);
    const float tx = fade(x - cellX);
    const float top = interpolate(random(ix, iy), random(ix + 1, iy), tx);
    const float bottom = interpolate(random(ix, iy + 1), random(ix + 1, iy + 1), tx);
    return interpolate(top, bottom, fade(y - cellY));
}

float Noise::tiled2D(float x, float y, int period) const {
    const auto wrap = [period](int v) { return ((v % period) + period) % period; };
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const float tx = smoothstep(0.0f, 1.0f, x - std::floor(x)), ty = smoothstep(0.0f, 1.0f, y - std::floor(y));
    const auto at = [&](int i, int j) { return random(wrap(i), wrap(j)); };
    return lerp(lerp(at(ix, iy), at(ix + 1, iy), tx), lerp(at(ix, iy + 1), at(ix + 1, iy + 1), tx), ty);
}

float Noise::fbm1D(float x, int octaves) const { return fbm2D(x, 0.5f, octaves); }

float Noise::fbm2D(float x, float y, int octaves) const {
    float sum = 0.0f;
    float amplitude = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is offset so the lattice points of the octaves never line up.
        sum += amplitude * value2D(x + static_cast<float>(i) * 17.31f, y + static_cast<float>(i) * 7.77f);
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
    }
    return sum / total;
}
