#include "Logo.h"

#include <algorithm>
#include <cmath>

#include "FontFace.h"
#include "Lettering.h"
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

void paintPlate(Image& logo) {
    const float edge = 1.5f;
    Raster::fillRoundedPlate(logo, edge, edge, width - edge, height - edge, 16.0f, 2.5f, borderColor,
                             [](float, float y) { return gradient(plateStops, 2, y); });
}

// Centred text with a dark outline, filled with a vertical colour ramp.
void paintText(Image& logo, const FontFace& face, const std::string& text, int baseline, const ColorStop* fill,
               int stops) {
    Lettering::paint(logo, face, text, Lettering::centred(face, text, 0, width), baseline,
                     [&](float, float y) { return gradient(fill, stops, y); }, {outlineColor, 5});
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
