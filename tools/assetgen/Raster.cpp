#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace Raster {
namespace {

constexpr int gridSize = 4;

bool insidePolygon(const std::vector<Point>& polygon, float x, float y) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

float distanceToSegmentSquared(const Point& a, const Point& b, float x, float y) {
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float lengthSquared = dx * dx + dy * dy;
    float t = lengthSquared > 0.0f ? ((x - a.x) * dx + (y - a.y) * dy) / lengthSquared : 0.0f;
    t = clamp01(t);
    const float px = a.x + t * dx - x;
    const float py = a.y + t * dy - y;
    return px * px + py * py;
}

struct Bounds {
    float minX, minY, maxX, maxY;
};

Bounds boundsOf(const std::vector<Point>& polygon, float margin) {
    Bounds box{polygon.front().x, polygon.front().y, polygon.front().x, polygon.front().y};
    for (const Point& p : polygon) {
        box.minX = std::min(box.minX, p.x);
        box.minY = std::min(box.minY, p.y);
        box.maxX = std::max(box.maxX, p.x);
        box.maxY = std::max(box.maxY, p.y);
    }
    return {box.minX - margin, box.minY - margin, box.maxX + margin, box.maxY + margin};
}

// A band of the given width along the segments between consecutive points,
// and from the last point back to the first when closed.
void strokeSegments(Image& target, const std::vector<Point>& points, float width, const Color& color, bool closed) {
    if (points.size() < 2)
        return;
    const float half = width / 2.0f;
    const Bounds box = boundsOf(points, half);
    fillShape(target, box.minX, box.minY, box.maxX, box.maxY, color, [&](float x, float y) {
        for (std::size_t i = closed ? 0 : 1, j = closed ? points.size() - 1 : 0; i < points.size(); j = i++)
            if (distanceToSegmentSquared(points[j], points[i], x, y) <= half * half)
                return true;
        return false;
    });
}

}  // namespace

void shadeShape(Image& target, float minX, float minY, float maxX, float maxY, const Inside& inside,
                const Shader& shader) {
    const int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int x1 = std::min(target.width() - 1, static_cast<int>(std::floor(maxX)));
    const int y1 = std::min(target.height() - 1, static_cast<int>(std::floor(maxY)));
    const float step = 1.0f / gridSize;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < gridSize; ++sy)
                for (int sx = 0; sx < gridSize; ++sx)
                    hits += inside(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) * step,
                                   static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) * step);
            if (hits > 0)
                target.blend(x, y, shader(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f),
                             static_cast<float>(hits) / (gridSize * gridSize));
        }
    }
}

void fillShape(Image& target, float minX, float minY, float maxX, float maxY, const Color& color,
               const Inside& inside) {
    shadeShape(target, minX, minY, maxX, maxY, inside, [&](float, float) { return color; });
}

void fillPolygon(Image& target, const std::vector<Point>& polygon, const Color& color) {
    if (polygon.size() < 3)
        return;
    const Bounds box = boundsOf(polygon, 0.0f);
    fillShape(target, box.minX, box.minY, box.maxX, box.maxY, color,
              [&](float x, float y) { return insidePolygon(polygon, x, y); });
}

void strokePolygon(Image& target, const std::vector<Point>& polygon, float width, const Color& color) {
    strokeSegments(target, polygon, width, color, true);
}

void strokePolyline(Image& target, const std::vector<Point>& line, float width, const Color& color) {
    strokeSegments(target, line, width, color, false);
}

void fillGlow(Image& target, float cx, float cy, float radius, const Color& color) {
    const int x0 = static_cast<int>(std::floor(cx - radius));
    const int y0 = static_cast<int>(std::floor(cy - radius));
    const int x1 = static_cast<int>(std::ceil(cx + radius));
    const int y1 = static_cast<int>(std::ceil(cy + radius));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float dx = (static_cast<float>(x) + 0.5f - cx) / radius;
            const float dy = (static_cast<float>(y) + 0.5f - cy) / radius;
            const float falloff = clamp01(1.0f - (dx * dx + dy * dy));
            target.blend(x, y, color, falloff * falloff);
        }
    }
}

float roundedBoxDistance(float x, float y, float left, float top, float right, float bottom, float radius) {
    const float dx = std::max(0.0f, std::max(left + radius - x, x - (right - radius)));
    const float dy = std::max(0.0f, std::max(top + radius - y, y - (bottom - radius)));
    return std::sqrt(dx * dx + dy * dy) - radius;
}

void fillRoundedPlate(Image& target, float left, float top, float right, float bottom, float radius, float borderWidth,
                      const Color& border, const Shader& body) {
    auto distance = [&](float x, float y) { return roundedBoxDistance(x, y, left, top, right, bottom, radius); };
    shadeShape(
        target, left - 1.0f, top - 1.0f, right + 1.0f, bottom + 1.0f,
        [&](float x, float y) { return distance(x, y) <= 0.0f; },
        [&](float x, float y) { return distance(x, y) > -borderWidth ? border : body(x, y); });
}

}  // namespace Raster
