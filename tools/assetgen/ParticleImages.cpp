#include "ParticleImages.h"

#include "Raster.h"

namespace ParticleImages {

Image glow() {
    Image image(64, 64, {1.0f, 1.0f, 1.0f, 0.0f});
    Raster::fillGlow(image, 32.0f, 32.0f, 31.0f, {1.0f, 1.0f, 1.0f, 0.75f});
    Raster::fillGlow(image, 32.0f, 32.0f, 12.0f, {1.0f, 1.0f, 1.0f, 0.8f});
    return image;
}

Image rainStreak() {
    const int width = 16;
    const int height = 128;
    Image image(width, height, {0.85f, 0.90f, 1.0f, 0.0f});
    for (int y = 0; y < height; ++y) {
        const float t = static_cast<float>(y) / (height - 1);  // 0 and 1 on the end rows
        const float along = smoothstep(0.0f, 0.75f, t) * (1.0f - smoothstep(0.93f, 1.0f, t));
        for (int x = 0; x < width; ++x) {
            const float across = (static_cast<float>(x) + 0.5f - width / 2.0f) / 3.0f;
            const float falloff = clamp01(1.0f - across * across);
            image.set(x, y, {0.85f, 0.90f, 1.0f, 0.9f * along * falloff * falloff});
        }
    }
    return image;
}

}  // namespace ParticleImages
