#pragma once
#include <cstdint>

// Seeded value noise. Everything here uses integer hashing and the four basic
// float operations only (no sin/exp/pow), so the generated art is the same
// bit for bit with any C library.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}

    // Uniform value in [0, 1) for an integer lattice point.
    float random(int x, int y = 0) const;

    // Smoothly interpolated noise in [0, 1]; one unit is one lattice cell.
    float value2D(float x, float y) const;

    // Like value2D, but repeating every period lattice cells both ways, for
    // textures that tile.
    float tiled2D(float x, float y, int period) const;

    // Fractal sums of octaves (each twice the frequency, half the amplitude),
    // normalised to [0, 1].
    float fbm1D(float x, int octaves) const;
    float fbm2D(float x, float y, int octaves) const;

private:
    std::uint32_t seed_;
};
