#include "GuiTheme.h"

#include <cmath>
#include <vector>

#include "Lettering.h"
#include "Raster.h"

namespace GuiTheme {
namespace {

const Color gold = {0.95f, 0.75f, 0.30f, 1.0f};
const Color paleGold = {1.0f, 0.93f, 0.66f, 1.0f};
const Color ink = {0.02f, 0.03f, 0.08f, 0.9f};
const ColorStop bodyStops[] = {{0.0f, {0.12f, 0.18f, 0.33f, 0.97f}}, {440.0f, {0.04f, 0.06f, 0.14f, 0.97f}}};
const ColorStop titleStops[] = {{0.0f, {0.40f, 0.55f, 0.84f, 1.0f}}, {16.0f, {0.17f, 0.27f, 0.52f, 1.0f}}};
const ColorStop plateStops[] = {{2.0f, {0.26f, 0.37f, 0.63f, 1.0f}}, {58.0f, {0.07f, 0.11f, 0.25f, 1.0f}}};
const ColorStop litStops[] = {{2.0f, {1.0f, 0.94f, 0.64f, 1.0f}}, {58.0f, {0.92f, 0.58f, 0.13f, 1.0f}}};
const ColorStop whiteStops[] = {{20.0f, {1.0f, 1.0f, 1.0f, 1.0f}}, {42.0f, {0.80f, 0.87f, 0.98f, 1.0f}}};
const ColorStop barStops[] = {{0.0f, {0.15f, 0.68f, 0.42f, 1.0f}}, {400.0f, {1.0f, 0.80f, 0.22f, 1.0f}}};

Color lighter(Color c, float amount) {
    c.r += (1.0f - c.r) * amount;
    c.g += (1.0f - c.g) * amount;
    c.b += (1.0f - c.b) * amount;
    return c;
}

// A soft light falling on a plate from above: strongest at the top edge,
// gone at `depth` rows.
Color gloss(const Color& c, float y, float top, float depth, float amount) {
    const float t = clamp01(1.0f - (y - top) / depth);
    return lighter(c, amount * t * t);
}

Color titleBar(float x, float y) {
    Color c = gradient(titleStops, 2, y);
    // The grip: a field of small raised dots at the right end says "drag here".
    const float gx = static_cast<float>(windowWidth) - 16.0f - x;
    if (gx >= 0.0f && gx < 60.0f && y >= 3.0f && y < 13.0f) {
        const int cx = static_cast<int>(gx) % 5;
        const int cy = static_cast<int>(y - 3.0f) % 5;
        if (cx == 2 && cy == 2)
            return lighter(c, 0.7f);
        if ((cx == 1 && cy == 2) || (cx == 2 && cy == 1))
            return lighter(c, 0.35f);
        if (cx + cy >= 1 && cx + cy <= 2 && cx <= 1 && cy <= 1)
            return scaled(c, 0.5f);
    }
    return gloss(c, y, 0.0f, 8.0f, 0.15f);
}

// A caption: white on the resting plate, dark on the lit one.
void paintCaption(Image& image, const FontFace& face, const std::string& caption, int left, int width, bool lit) {
    const int x = Lettering::centred(face, caption, left, width);
    const int baseline = buttonHeight / 2 + 8;
    if (lit)
        Lettering::paint(image, face, caption, x, baseline,
                         [](float, float) {
                             return Color{0.05f, 0.08f, 0.20f, 1.0f};
                         },
                         {withAlpha(paleGold, 0.8f), 1});
    else
        Lettering::paint(image, face, caption, x, baseline, [](float, float y) { return gradient(whiteStops, 2, y); },
                         {ink, 2, 0, 1});
}

// The plate every button shares: rounded, rimmed, lit from above.
void paintButtonPlate(Image& image, const Color& rim, const ColorStop* stops) {
    Raster::fillRoundedPlate(image, 1.0f, 1.0f, buttonWidth - 1.0f, buttonHeight - 1.0f, 12.0f, 2.0f, rim,
                             [&](float, float y) { return gloss(gradient(stops, 2, y), y, 3.0f, 24.0f, 0.12f); });
}

// The power symbol: a ring open at the top with a bar through the gap.
void paintPowerSymbol(Image& image, float cx, float cy, const Color& color) {
    const float outer = 9.5f;
    const float inner = 6.8f;
    Raster::fillShape(image, cx - outer, cy - outer, cx + outer, cy + outer, color, [&](float x, float y) {
        const float dx = x - cx;
        const float dy = y - cy;
        const float d2 = dx * dx + dy * dy;
        const bool gap = dy < 0.0f && std::fabs(dx) < 4.2f;
        return d2 <= outer * outer && d2 >= inner * inner && !gap;
    });
    Raster::strokePolyline(image, {{cx, cy - 11.0f}, {cx, cy - 1.5f}}, 2.7f, color);
}

}  // namespace

Image window() {
    Image image(windowWidth, windowHeight);
    const float rows = static_cast<float>(titleBarRows);
    Raster::fillRoundedPlate(image, 0.5f, 0.5f, windowWidth - 0.5f, windowHeight - 0.5f, 9.0f, 1.5f, gold,
                             [&](float x, float y) {
                                 if (y < rows)
                                     return titleBar(x, y);
                                 if (y < rows + 2.0f)
                                     return gold;
                                 // A shadow under the rule sets the title bar above the body.
                                 const Color body = gradient(bodyStops, 2, y);
                                 const float shade = clamp01(1.0f - (y - rows - 2.0f) / 6.0f);
                                 return scaled(body, 1.0f - 0.35f * shade * shade);
                             });
    return image;
}

Image console() {
    Image image(consoleWidth, consoleHeight);
    const ColorStop stops[] = {{0.0f, {0.05f, 0.08f, 0.17f, 0.80f}}, {140.0f, {0.02f, 0.03f, 0.08f, 0.80f}}};
    Raster::fillRoundedPlate(image, 0.5f, 0.5f, consoleWidth - 0.5f, consoleHeight - 0.5f, 8.0f, 1.5f,
                             withAlpha(gold, 0.85f), [&](float, float y) {
                                 // Faint scan lines, as on an old terminal.
                                 const Color c = gradient(stops, 2, y);
                                 return static_cast<int>(y) % 2 == 0 ? lighter(c, 0.04f) : c;
                             });
    return image;
}

Image menuButton(const FontFace& captionFace, const std::string& caption, bool lit) {
    Image image(buttonWidth, buttonHeight);
    paintButtonPlate(image, lit ? paleGold : gold, lit ? litStops : plateStops);
    paintCaption(image, captionFace, caption, 0, buttonWidth, lit);
    return image;
}

Image powerButton(const FontFace& captionFace, int frame) {
    const float t = static_cast<float>(frame) / static_cast<float>(powerFrames - 1);
    Image image(buttonWidth, buttonHeight);
    paintButtonPlate(image, mix(gold, paleGold, t), plateStops);
    const float cx = 32.0f;
    const float cy = buttonHeight / 2.0f;
    if (t > 0.0f)
        Raster::fillGlow(image, cx, cy, 25.0f, withAlpha({0.45f, 1.0f, 0.55f, 1.0f}, 0.7f * t));
    const Color off = {0.17f, 0.23f, 0.24f, 1.0f};
    const Color on = {0.30f, 0.92f, 0.48f, 1.0f};
    Raster::fillRoundedPlate(image, cx - 17.0f, cy - 17.0f, cx + 17.0f, cy + 17.0f, 17.0f, 2.0f, ink,
                             [&](float, float y) { return gloss(mix(off, on, t), y, cy - 15.0f, 18.0f, 0.35f); });
    paintPowerSymbol(image, cx, cy, mix({0.50f, 0.58f, 0.60f, 1.0f}, {1.0f, 1.0f, 1.0f, 1.0f}, t));
    paintCaption(image, captionFace, "Power", 54, buttonWidth - 60, false);
    return image;
}

Image checkBox(bool checked) {
    Image image(checkBoxSize, checkBoxSize);
    const ColorStop well[] = {{2.0f, {0.03f, 0.05f, 0.12f, 1.0f}}, {22.0f, {0.13f, 0.20f, 0.37f, 1.0f}}};
    const float edge = checkBoxSize - 1.0f;
    Raster::fillRoundedPlate(image, 1.0f, 1.0f, edge, edge, 5.0f, 2.0f, gold,
                             [&](float, float y) { return gradient(well, 2, y); });
    if (checked) {
        const std::vector<Raster::Point> tick = {{6.0f, 12.5f}, {10.2f, 16.8f}, {18.2f, 7.2f}};
        Raster::strokePolyline(image, tick, 5.0f, ink);
        Raster::strokePolyline(image, tick, 3.0f, paleGold);
    }
    return image;
}

Image progressBar() {
    Image image(barWidth, barHeight);
    const float radius = barHeight / 2.0f - 0.5f;
    Raster::fillRoundedPlate(image, 0.5f, 0.5f, barWidth - 0.5f, barHeight - 0.5f, radius, 1.5f, ink,
                             [&](float x, float y) {
                                 const Color c = gradient(barStops, 2, x);
                                 // Dividers between the five segments.
                                 const int column = static_cast<int>(x);
                                 if (column % 80 == 0 && column > 0)
                                     return scaled(c, 0.6f);
                                 const Color shaded = scaled(c, 1.0f - 0.25f * clamp01((y - 12.0f) / 10.0f));
                                 return gloss(shaded, y, 2.0f, 9.0f, 0.45f);
                             });
    return image;
}

}  // namespace GuiTheme
