#include "DomeClouds.h"

#include <cmath>

#include "Noise.h"
#include "Trig.h"

namespace DomeClouds {
namespace {

// Cloud cover where a ray at elevation e (0 at the horizon, 1 straight up)
// meets a flat cloud deck; (x, y) is the ray's horizontal direction.
float coverAt(const Noise& noise, float x, float y, float e) {
    constexpr float deck = 1.7f;  // noise cells per unit of the deck's height
    const float reach = deck / std::max(e, 0.02f);
    // Large, slow noise decides where clouds gather; the finer octaves
    // give them billowing, soft edges.
    const float gather = noise.fbm2D(x * reach * 0.35f + 11.0f, y * reach * 0.35f - 7.0f, 2);
    const float n = noise.fbm2D(x * reach + 50.0f, y * reach + 50.0f, 6) + 0.35f * (gather - 0.5f);
    return smoothstep(0.5f, 0.82f, n);
}

}  // namespace

Image texture() {
    static const Noise noise(90210);
    const Color zenith{0.20f, 0.40f, 0.78f, 1.0f}, horizon{0.70f, 0.81f, 0.93f, 1.0f};
    const Color lit{0.99f, 0.99f, 0.98f, 1.0f}, shade{0.66f, 0.70f, 0.78f, 1.0f};
    Image image(width, height);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const float u = (static_cast<float>(column) + 0.5f) / width;
            const float v = (static_cast<float>(row) + 0.5f) / height;
            // The direction the texel is seen in: longitude about y, latitude.
            const float longitude = u - 0.5f, latitude = (v - 0.5f) * 0.5f;
            const float y = Trig::sinTurns(latitude);
            const float across = Trig::cosTurns(latitude);
            const float x = across * Trig::sinTurns(longitude);
            const float e = std::fabs(across * Trig::cosTurns(longitude));
            Color sky = mix(horizon, zenith, std::sqrt(e));
            // Clouds thin out into haze towards the horizon; their sides
            // towards the sun (+x) are lit, the rest in grey shade.
            const float fade = smoothstep(0.04f, 0.35f, e);
            const float cover = coverAt(noise, x, y, e) * fade;
            if (cover > 0.0f) {
                const float towardsSun = coverAt(noise, x + 0.03f * e, y, e);
                const float light = clamp01(0.65f + 2.5f * (coverAt(noise, x, y, e) - towardsSun));
                const Color cloud = mix(shade, lit, light);
                sky = mix(sky, mix(cloud, horizon, 0.4f * (1.0f - fade)), 0.9f * cover);
            }
            image.set(column, row, sky);
        }
    return image;
}

}  // namespace DomeClouds
