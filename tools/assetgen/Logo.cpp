#include "Logo.h"

#include <algorithm>
#include <cmath>

#include "FontFace.h"
#include "Raster.h"

namespace Logo {
namespace {

const ColorStop plateStops[] = {
    {0.0f, {0.10f, 0.16f, 0.30f, 0.86f}},
    {128.0f, {0.03f, 0.05f, 0.12f, 0.86f}},
};
const ColorStop goldStops[] = {
    {22.0f, {1.0f, 0.95f, 0.62f}},
    {52.0f, {1.0f, 0.78f, 0.20f}},
    {80.0f, {0.86f, 0.46f, 0.08f}},
};
const Color borderColor = {0.95f, 0.75f, 0.30f, 0.95f};
const Color outlineColor = {0.02f, 0.03f, 0.08f, 0.9f};

// Signed distance to a rounded rectangle: negative inside.
float roundedBoxDistance(float x, float y, float left, float top, float right, float bottom, float radius) {
    const float dx = std::max(0.0f, std::max(left + radius - x, x - (right - radius)));
    const float dy = std::max(0.0f, std::max(top + radius - y, y - (bottom - radius)));
    return std::sqrt(dx * dx + dy * dy) - radius;
}

void paintPlate(Image& logo) {
    const float edge = 1.5f;
    auto distance = [&](float x, float y) {
        return roundedBoxDistance(x, y, edge, edge, width - edge, height - edge, 16.0f);
    };
    Raster::shadeShape(
        logo, 0.0f, 0.0f, width, height, [&](float x, float y) { return distance(x, y) <= 0.0f; },
        [&](float x, float y) { return distance(x, y) > -2.5f ? borderColor : gradient(plateStops, 2, y); });
}

// Paints the coverage of the mask, shifted by (dx, dy), in the shader's colour.
void paintMask(Image& logo, const Image& mask, int dx, int dy, const Raster::Shader& shader) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (mask.contains(x - dx, y - dy))
                logo.blend(x, y, shader(static_cast<float>(x), static_cast<float>(y)), mask.at(x - dx, y - dy).a);
}

// Centred text with a dark outline, filled with a vertical colour ramp.
void paintText(Image& logo, const FontFace& face, const std::string& text, int baseline, const ColorStop* fill,
               int stops) {
    Image mask(width, height);
    face.drawText(mask, (width - face.measure(text)) / 2, baseline, text, {1.0f, 1.0f, 1.0f, 1.0f});
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (dx * dx + dy * dy <= 5)
                paintMask(logo, mask, dx, dy, [](float, float) { return outlineColor; });
    paintMask(logo, mask, 0, 0, [&](float, float y) { return gradient(fill, stops, y); });
}

}  // namespace

Image make(const std::string& fontDirectory) {
    const FontFace title(fontDirectory, "DejaVuSans-Bold.ttf", 66);
    const FontFace subtitle(fontDirectory, "DejaVuSans-Bold.ttf", 21);
    Image logo(width, height);
    paintPlate(logo);
    paintText(logo, title, "K3D", 80, goldStops, 3);
    const ColorStop white[] = {{0.0f, {0.96f, 0.97f, 1.0f}}, {128.0f, {0.80f, 0.86f, 0.96f}}};
    paintText(logo, subtitle, "Kavor Engine", 110, white, 2);
    return logo;
}

}  // namespace Logo
