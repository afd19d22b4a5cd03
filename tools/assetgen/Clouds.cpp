#include "Clouds.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"
#include "Raster.h"

namespace {

struct Puff {
    float x, y, radius;
};

// Balls of cloud along the row; where the large-scale noise allows a cloud,
// its puffs are large in the middle and shrink towards its ends.
std::vector<Puff> cloudPuffs(const CloudRow& row, float pictureWidth) {
    const Noise noise(row.seed);
    std::vector<Puff> puffs;
    const float spacing = row.scale * 0.06f;
    const int count = static_cast<int>(pictureWidth / spacing) + 2;
    for (int i = -1; i < count; ++i) {
        const float x = (static_cast<float>(i) + noise.random(i, 1)) * spacing;
        float presence = clamp01((noise.fbm2D(x / row.scale, 0.5f, 3) - (1.0f - row.cover)) / 0.2f);
        if (row.endFade > 0.0f)
            presence *= smoothstep(0.0f, row.endFade, x) * smoothstep(0.0f, row.endFade, pictureWidth - x);
        const float radius = row.height * std::sqrt(presence) * (0.3f + 0.4f * noise.random(i, 2));
        if (radius < 4.0f) continue;
        const float lift = (radius * 0.3f + row.height * 0.9f * noise.random(i, 3)) * presence;
        puffs.push_back({x, row.base - lift, radius});
    }
    // Higher puffs are painted last, so their shaded undersides lie over the
    // lit tops of the puffs below.
    std::stable_sort(puffs.begin(), puffs.end(), [](const Puff& a, const Puff& b) { return a.y > b.y; });
    return puffs;
}

// Sphere shading with the sun up and to the left, darkening towards the flat base.
Color puffColor(const CloudRow& row, const Puff& puff, float x, float y) {
    const float nx = (x - puff.x) / puff.radius;
    const float ny = (y - puff.y) / puff.radius;
    const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
    const float lambert = clamp01(-0.35f * nx - 0.60f * ny + 0.72f * nz);
    const float underside = smoothstep(row.base - row.height * 0.6f, row.base, y);
    return mix(row.shade, row.lit, clamp01(0.55f + 0.45f * smoothstep(0.0f, 0.7f, lambert) - 0.5f * underside));
}

}  // namespace

void paintCloudRow(Image& image, const CloudRow& row) {
    Image layer(image.width(), image.height());
    for (const Puff& puff : cloudPuffs(row, static_cast<float>(image.width()))) {
        Raster::shadeShape(
            layer, puff.x - puff.radius, puff.y - puff.radius, puff.x + puff.radius, row.base,
            [&](float x, float y) {
                const float dx = x - puff.x;
                const float dy = y - puff.y;
                return y <= row.base && dx * dx + dy * dy <= puff.radius * puff.radius;
            },
            [&](float x, float y) { return puffColor(row, puff, x, y); });
    }
    image.draw(layer, 0, 0, row.opacity);
}
