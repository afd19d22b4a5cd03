#include "Village.h"

#include "Noise.h"
#include "Raster.h"

namespace {

// A house seen from the front: wall, pitched roof lit on its left half, two windows.
void paintHouse(Image& image, const Ridge& ridge, float x, float base, float width, float wallHeight) {
    const float roofTop = base - wallHeight - width * 0.45f;
    const float eaves = base - wallHeight;
    Raster::fillPolygon(image, {{x, base}, {x + width, base}, {x + width, eaves}, {x, eaves}},
                        hazed(ridge, {0.92f, 0.87f, 0.76f}));
    const float mid = x + width / 2.0f;
    Raster::fillPolygon(image, {{x - 1.5f, eaves + 0.5f}, {mid, roofTop}, {mid, eaves + 0.5f}},
                        hazed(ridge, {0.80f, 0.38f, 0.24f}));
    Raster::fillPolygon(image, {{mid, roofTop}, {x + width + 1.5f, eaves + 0.5f}, {mid, eaves + 0.5f}},
                        hazed(ridge, {0.58f, 0.25f, 0.18f}));
    const Color window = hazed(ridge, {0.25f, 0.22f, 0.22f});
    for (float wx : {x + width * 0.22f, x + width * 0.62f})
        Raster::fillPolygon(
            image, {{wx, eaves + 2.5f}, {wx + 2.0f, eaves + 2.5f}, {wx + 2.0f, eaves + 5.0f}, {wx, eaves + 5.0f}},
            window);
}

void paintChurch(Image& image, const Ridge& ridge, float x, float base) {
    paintHouse(image, ridge, x + 6.0f, base, 20.0f, 11.0f);
    const Color wall = hazed(ridge, {0.95f, 0.91f, 0.82f});
    Raster::fillPolygon(image, {{x, base}, {x + 8.0f, base}, {x + 8.0f, base - 30.0f}, {x, base - 30.0f}}, wall);
    Raster::fillPolygon(image, {{x - 1.0f, base - 30.0f}, {x + 4.0f, base - 48.0f}, {x + 4.0f, base - 30.0f}},
                        hazed(ridge, {0.30f, 0.40f, 0.42f}));
    Raster::fillPolygon(image, {{x + 4.0f, base - 48.0f}, {x + 9.0f, base - 30.0f}, {x + 4.0f, base - 30.0f}},
                        hazed(ridge, {0.20f, 0.28f, 0.30f}));
    Raster::fillPolygon(
        image, {{x + 3.0f, base - 26.0f}, {x + 5.0f, base - 26.0f}, {x + 5.0f, base - 21.0f}, {x + 3.0f, base - 21.0f}},
        hazed(ridge, {0.25f, 0.22f, 0.22f}));
}

}  // namespace

void paintVillage(Image& image, const Ridge& ridge, float centre, std::uint32_t seed) {
    const Noise noise(seed);
    const float ground = 4.0f;
    paintChurch(image, ridge, centre, ridgeLine(ridge, centre + 10.0f) + ground + 4.0f);
    for (int i = 0; i < 8; ++i) {
        const float side = i % 2 == 0 ? -1.0f : 1.0f;
        const float x = centre + 10.0f + side * (24.0f + static_cast<float>(i / 2) * 20.0f + noise.random(i, 1) * 8.0f);
        const float width = 11.0f + noise.random(i, 2) * 6.0f;
        const float base = ridgeLine(ridge, x + width / 2.0f) + ground + noise.random(i, 3) * 8.0f;
        paintHouse(image, ridge, x, base, width, 7.0f + noise.random(i, 4) * 3.0f);
    }
}
