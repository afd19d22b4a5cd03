#include "Lettering.h"

#include <cmath>

namespace Lettering {
namespace {

// Paints the coverage of the mask, shifted by (dx, dy), in the shader's colour.
void stamp(Image& target, const Image& mask, int dx, int dy, const Raster::Shader& shader) {
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            if (mask.contains(x - dx, y - dy))
                target.blend(x, y, shader(static_cast<float>(x), static_cast<float>(y)), mask.at(x - dx, y - dy).a);
}

}  // namespace

void paint(Image& target, const FontFace& face, const std::string& text, int x, int baseline,
           const Raster::Shader& fill, const Rim& rim) {
    Image mask(target.width(), target.height());
    face.drawText(mask, x, baseline, text, {1.0f, 1.0f, 1.0f, 1.0f});
    const int reach = static_cast<int>(std::sqrt(static_cast<float>(rim.radiusSquared)));
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (dx * dx + dy * dy <= rim.radiusSquared)
                stamp(target, mask, rim.shiftX + dx, rim.shiftY + dy, [&](float, float) { return rim.color; });
    stamp(target, mask, 0, 0, fill);
}

int centred(const FontFace& face, const std::string& text, int left, int width) {
    return left + (width - face.measure(text)) / 2;
}

}  // namespace Lettering
