#include "Clouds.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"

namespace {

// A ball of cloud; see CloudField::puffShape for how it reaches the base.
struct Puff {
    float x, y, radius;
};

// Balls of cloud along the row; where the large-scale noise allows a cloud,
// its puffs are large in the middle and shrink towards its ends. A second,
// slower noise makes some clouds tall and others low and flat.
std::vector<Puff> cloudPuffs(const CloudRow& row, float pictureWidth) {
    const Noise noise(row.seed);
    const auto presenceAt = [&](float x) {
        float presence = clamp01((noise.fbm2D(x / row.scale, 0.5f, 3) - (1.0f - row.cover)) / 0.2f);
        if (row.endFade > 0.0f)
            presence *= smoothstep(0.0f, row.endFade, x) * smoothstep(0.0f, row.endFade, pictureWidth - x);
        return presence;
    };
    std::vector<Puff> puffs;
    const float spacing = row.scale * 0.06f;
    const int count = static_cast<int>(pictureWidth / spacing) + 2;
    for (int i = -1; i < count; ++i) {
        const float x = (static_cast<float>(i) + noise.random(i, 1)) * spacing;
        const float presence = presenceAt(x);
        const float size = 0.4f + 0.6f * smoothstep(0.25f, 0.65f, noise.fbm2D(x / (row.scale * 1.7f), 3.5f, 2));
        const float radius = row.height * size * std::sqrt(presence) * (0.3f + 0.4f * noise.random(i, 2));
        if (radius < 5.0f)
            continue;
        // Puffs rise only where the cloud goes on to both sides, so a cloud's
        // ends stay low and round off instead of standing up as a wall.
        const float reach = std::min(presenceAt(x - radius), presenceAt(x + radius));
        const float lift = (radius * 0.3f + row.height * size * 0.9f * noise.random(i, 3)) * std::min(presence, reach);
        puffs.push_back({x, row.base - lift, radius});
    }
    return puffs;
}

// Rows over which a row's cloud bases fade from opaque to clear.
float baseFade(const CloudRow& row) { return std::max(6.0f, row.height * 0.3f); }

// Polynomial smooth maximum: equals max(a, b) when they differ by more than
// k and rounds the crease between them otherwise.
float smoothMax(float a, float b, float k) {
    const float h = clamp01(0.5f + 0.5f * (a - b) / k);
    return lerp(b, a, h) + k * h * (1.0f - h);
}

// The row's clouds as two fields over the picture: the outline (distance
// inside the nearest puff, negative outside) and the height of the cloud's
// surface towards the viewer, which gives the shading normal.
class CloudField {
public:
    CloudField(const CloudRow& row, int width)
        : row_(row), puffs_(cloudPuffs(row, static_cast<float>(width))), columns_(static_cast<std::size_t>(width)) {
        bottom_ = row.base + row.height * 0.15f + baseFade(row) * 2.0f;
        coneEnd_ = row.base + baseFade(row) * 0.5f;
        for (std::size_t i = 0; i < puffs_.size(); ++i) {
            const Puff& puff = puffs_[i];
            const int from = std::max(0, static_cast<int>(std::floor(puff.x - puff.radius - margin)));
            const int to = std::min(width - 1, static_cast<int>(std::ceil(puff.x + puff.radius + margin)));
            for (int x = from; x <= to; ++x)
                columns_[static_cast<std::size_t>(x)].push_back(i);
        }
    }

    // Rows between which the row's clouds, faded bases included, lie.
    float top() const {
        float y = row_.base;
        for (const Puff& puff : puffs_)
            y = std::min(y, puff.y - puff.radius);
        return y - 2.0f;
    }
    float bottom() const { return bottom_; }

    // Outline and surface height at (x, y); column is the pixel column whose
    // puffs are searched, at most a pixel or two from x.
    void sample(int column, float x, float y, float& outline, float& height) const {
        outline = -1e6f;
        height = -1e6f;
        const float blend = row_.height * 0.3f;
        for (std::size_t i : columns_[static_cast<std::size_t>(column)]) {
            const Puff& puff = puffs_[i];
            float inside = 0.0f;
            float surface = 0.0f;
            puffShape(puff, x - puff.x, y - puff.y, inside, surface);
            outline = smoothMax(outline, inside, 4.0f);
            height = smoothMax(height, surface, blend);
        }
    }

    // A puff is a ball whose sides run straight and slightly inwards down to
    // a smaller ball at the base (a rounded cone), so every lobe of a cloud
    // rests on the base and the sides bulge out above a tucked-in base. Gives the signed distance inside the
    // outline (dx, dy from the ball's centre) and the height of the surface
    // towards the viewer, negative outside.
    void puffShape(const Puff& puff, float dx, float dy, float& inside, float& surface) const {
        const float r1 = puff.radius;
        const float r2 = r1 * (1.0f - taper);
        const float length = std::max(coneEnd_ - puff.y, r1 * 0.6f);
        const float sine = (r1 - r2) / length;
        const float cosine = std::sqrt(1.0f - sine * sine);
        const float across = std::fabs(dx);
        const float along = -sine * across + cosine * dy;
        if (along < 0.0f)
            inside = r1 - std::sqrt(across * across + dy * dy);
        else if (along > cosine * length)
            inside = r2 - std::sqrt(across * across + (dy - length) * (dy - length));
        else
            inside = r1 - (cosine * across + sine * dy);
        // Radius of the horizontal cut through the solid at this height.
        const float topTangent = r1 * sine;
        const float bottomTangent = length + r2 * sine;
        float cut = 0.0f;
        if (dy < topTangent)
            cut = std::sqrt(std::max(0.0f, r1 * r1 - dy * dy));
        else if (dy > bottomTangent)
            cut = std::sqrt(std::max(0.0f, r2 * r2 - (dy - length) * (dy - length)));
        else
            cut = r1 * cosine - (dy - topTangent) * sine / cosine;
        surface = inside >= 0.0f ? std::sqrt(std::max(0.0f, cut * cut - dx * dx)) : inside;
    }

    bool empty(int column) const { return columns_[static_cast<std::size_t>(column)].empty(); }

private:
    static constexpr float margin = 4.0f;  // pixels searched beyond a puff's radius
    static constexpr float taper = 0.4f;   // share of a puff's radius lost by the base

    const CloudRow& row_;
    std::vector<Puff> puffs_;
    std::vector<std::vector<std::size_t>> columns_;
    float bottom_ = 0.0f;   // below this every base has faded out
    float coneEnd_ = 0.0f;  // where the puffs' cones end, inside the fade
};

float luminance(const Color& c) { return 0.30f * c.r + 0.59f * c.g + 0.11f * c.b; }

}  // namespace

void paintCloudRow(Image& image, const CloudRow& row) {
    const CloudField field(row, image.width());
    const Noise ragged(row.seed * 2654435761U + 17U);
    const float fade = baseFade(row);
    const float grey = luminance(row.shade);
    const Color baseTone = scaled(mix(row.shade, {grey, grey, grey}, 0.45f), 0.85f);
    const int y0 = std::max(0, static_cast<int>(std::floor(field.top())));
    const int y1 = std::min(image.height() - 1, static_cast<int>(std::ceil(field.bottom())));
    Image layer(image.width(), image.height());
    for (int x = 0; x < image.width(); ++x) {
        if (field.empty(x))
            continue;
        const float px = static_cast<float>(x) + 0.5f;
        // The base wanders a little up and down along the row.
        const float baseY = row.base + (ragged.fbm1D(px / (row.scale * 0.12f), 3) - 0.5f) * row.height * 0.25f;
        for (int y = y0; y <= y1; ++y) {
            const float py = static_cast<float>(y) + 0.5f;
            float outline = 0.0f;
            float height = 0.0f;
            field.sample(x, px, py, outline, height);
            if (outline < -1.0f)
                continue;
            // Streaks make the faded base ragged rather than ruled.
            const float streak = (ragged.fbm2D(px / 40.0f, py / 6.0f + 40.0f, 2) - 0.5f) * 0.5f;
            const float below = 1.0f - smoothstep(0.0f, 1.0f, (py - baseY) / fade + 0.5f + streak);
            // Thin rims, where the surface is low, let some sky through.
            const float body = 0.7f + 0.3f * smoothstep(0.0f, 8.0f, height);
            const float alpha = smoothstep(-1.0f, 1.0f, outline) * body * below;
            if (alpha <= 0.0f)
                continue;

            float left = 0.0f, right = 0.0f, up = 0.0f, down = 0.0f, unused = 0.0f;
            field.sample(x, px - 1.0f, py, unused, left);
            field.sample(x, px + 1.0f, py, unused, right);
            field.sample(x, px, py - 1.0f, unused, up);
            field.sample(x, px, py + 1.0f, unused, down);
            // The body under the tops faces the viewer more and more, so the
            // sides of the puffs do not show as stripes down to the base.
            const float underside = smoothstep(baseY - row.height * 0.8f, baseY - fade * 0.1f, py);
            const float flatten = 0.5f * (1.0f - 0.8f * underside);
            const float gx = (right - left) * flatten;
            const float gy = (down - up) * flatten;
            const float length = std::sqrt(gx * gx + gy * gy + 1.0f);
            const float nx = -gx / length;
            const float ny = -gy / length;
            const float nz = 1.0f / length;
            // Sun up and to the left.
            const float lambert = clamp01(-0.35f * nx - 0.60f * ny + 0.72f * nz);
            Color color = mix(row.shade, row.lit, 0.55f + 0.45f * smoothstep(0.0f, 0.7f, lambert));
            color = mix(color, baseTone, 0.85f * underside);
            layer.set(x, y, withAlpha(color, alpha));
        }
    }
    image.draw(layer, 0, 0, row.opacity);
}
