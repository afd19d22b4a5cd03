#include "Pointers.h"

#include <vector>

#include "Raster.h"

namespace Pointers {
namespace {

using Polygon = std::vector<Raster::Point>;

const Color fillColor = {1.0f, 1.0f, 1.0f, 1.0f};
const Color outlineColor = {0.0f, 0.0f, 0.0f, 1.0f};
const Color shadowColor = {0.0f, 0.0f, 0.0f, 0.35f};

// Classic arrow outline with its tip at the origin, 22 units tall.
Polygon arrowOutline(float scale) {
    const Polygon unit = {{0.0f, 0.0f},   {0.0f, 19.5f}, {4.6f, 15.2f}, {8.0f, 22.6f},
                          {11.2f, 21.2f}, {7.9f, 14.0f}, {14.0f, 14.0f}};
    Polygon scaledOutline;
    for (const Raster::Point& p : unit)
        scaledOutline.push_back({0.9f + p.x * scale, 0.9f + p.y * scale});
    return scaledOutline;
}

// Four arrows around a centre: one quarter turned four times.
Polygon moveCross(float cx, float cy) {
    const Polygon quarter = {{0.0f, -9.0f}, {3.8f, -5.2f}, {1.5f, -5.2f}, {1.5f, -1.5f}};
    Polygon cross;
    for (int turn = 0; turn < 4; ++turn) {
        for (Raster::Point p : quarter) {
            for (int i = 0; i < turn; ++i)
                p = {-p.y, p.x};
            cross.push_back({cx + p.x, cy + p.y});
        }
    }
    return cross;
}

Polygon shifted(const Polygon& polygon, float dx, float dy) {
    Polygon out;
    for (const Raster::Point& p : polygon)
        out.push_back({p.x + dx, p.y + dy});
    return out;
}

// Shadow first, then the white body, then the outline over its edge.
void paintOutlined(Image& image, const Polygon& polygon) {
    Raster::fillPolygon(image, shifted(polygon, 1.5f, 1.5f), shadowColor);
    Raster::fillPolygon(image, polygon, fillColor);
    Raster::strokePolygon(image, polygon, 1.4f, outlineColor);
}

}  // namespace

Image arrow() {
    Image image(size, size);
    paintOutlined(image, arrowOutline(1.15f));
    return image;
}

Image move() {
    Image image(size, size);
    paintOutlined(image, arrowOutline(0.72f));
    paintOutlined(image, moveCross(21.5f, 21.5f));
    return image;
}

}  // namespace Pointers
