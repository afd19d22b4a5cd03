#include "Vegetation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"
#include "Raster.h"

namespace {

// A filled outline given by an inside test over a bounding box.
struct Shape {
    float minX, minY, maxX, maxY;
    Raster::Inside inside;
};

// Paints a shape in its body colour with a rim of light along the edges that
// face the sun (up and to the left).
void paintLit(Image& image, const Shape& shape, const Color& body, const Color& light, float rim) {
    Raster::fillShape(image, shape.minX, shape.minY, shape.maxX, shape.maxY, body, shape.inside);
    Raster::fillShape(image, shape.minX, shape.minY, shape.maxX, shape.maxY, light,
                      [&](float x, float y) { return shape.inside(x, y) && !shape.inside(x - rim, y - rim); });
}

// A broad-leaved tree standing at (x, base), h pixels tall, with a leafy edge.
Shape leafyTree(float x, float base, float h, const Noise& leaves) {
    const float rx = h * 0.36f;
    const float ry = h * 0.36f;
    const float cy = base - h + ry;
    const float leaf = h * 0.11f;
    return {x - rx * 1.3f, base - h, x + rx * 1.3f, base, [=, &leaves](float px, float py) {
                if (std::fabs(px - x) < h * 0.05f && py > cy && py <= base)
                    return true;
                const float lobes[3][3] = {{0.0f, 0.0f, 1.0f}, {-0.55f, 0.35f, 0.72f}, {0.55f, 0.3f, 0.75f}};
                const float edge = 1.0f - 0.35f * leaves.value2D(px / leaf, py / leaf);
                for (const auto& lobe : lobes) {
                    const float dx = (px - x - lobe[0] * rx) / (rx * lobe[2]);
                    const float dy = (py - cy - lobe[1] * ry) / (ry * lobe[2]);
                    if (dx * dx + dy * dy <= edge)
                        return true;
                }
                return false;
            }};
}

// A conifer of three tiers standing at (x, base), h pixels tall.
Shape conifer(float x, float base, float h) {
    const float halfWidth = h * 0.24f;
    return {x - halfWidth, base - h, x + halfWidth, base, [=](float px, float py) {
                if (py > base || py < base - h)
                    return false;
                if (std::fabs(px - x) < h * 0.04f)
                    return true;
                const float t = (py - (base - h)) / (h * 0.88f);
                if (t > 1.0f)
                    return false;
                const float tier = t * 3.0f - std::floor(t * 3.0f);
                return std::fabs(px - x) <= halfWidth * (0.2f + 0.8f * t) * (0.5f + 0.5f * tier);
            }};
}

struct Tree {
    float x, base, height;
    bool conifer;
};

}  // namespace

void paintForest(Image& image, const Ridge& ridge, const Forest& forest) {
    const Noise noise(forest.seed);
    std::vector<Tree> trees;
    const int count = static_cast<int>(static_cast<float>(image.width()) / forest.spacing);
    for (int i = 0; i < count; ++i) {
        const float x = (static_cast<float>(i) + noise.random(i, 1)) * forest.spacing;
        if (noise.fbm2D(x / 260.0f, 3.5f, 3) < forest.clumping)
            continue;
        const float base = ridgeLine(ridge, x) + 3.0f + noise.random(i, 2) * forest.spread;
        const float height = lerp(forest.minHeight, forest.maxHeight, noise.random(i, 3));
        trees.push_back({x, base, height, noise.random(i, 4) < forest.conifers});
    }
    // Trees lower on the slope are nearer and overlap the ones behind them.
    std::stable_sort(trees.begin(), trees.end(), [](const Tree& a, const Tree& b) { return a.base < b.base; });
    const float rim = std::max(1.0f, forest.minHeight * 0.08f);
    for (const Tree& tree : trees) {
        const Shape shape =
            tree.conifer ? conifer(tree.x, tree.base, tree.height) : leafyTree(tree.x, tree.base, tree.height, noise);
        paintLit(image, shape, hazed(ridge, forest.body), hazed(ridge, forest.light), rim);
    }
}

void paintGrass(Image& image, const Ridge& ridge, std::uint32_t seed) {
    const Noise noise(seed);
    const int count = image.width() * 2 / 3;
    for (int i = 0; i < count; ++i) {
        const float x = (static_cast<float>(i) + noise.random(i, 1)) * 1.5f;
        const float base = ridgeLine(ridge, x) + 2.0f + noise.random(i, 2) * noise.random(i, 5) * 60.0f;
        const float height = 5.0f + 10.0f * noise.random(i, 3);
        const float lean = (noise.random(i, 4) - 0.4f) * 6.0f;
        const Color color = mix(scaled(ridge.shadow, 0.8f), scaled(ridge.lit, 1.15f), noise.random(i, 6));
        Raster::fillPolygon(image, {{x - 1.0f, base}, {x + 1.0f, base}, {x + lean, base - height}}, color);
    }
}
