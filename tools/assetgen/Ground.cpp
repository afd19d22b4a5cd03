#include "Ground.h"

#include <cmath>

#include "Color.h"
#include "Noise.h"

namespace Ground {
namespace {
constexpr int kCells = 8;  // stones per texture side
constexpr float kCellSize = static_cast<float>(textureSize) / kCells;

int wrap(int v, int period) { return ((v % period) + period) % period; }

// The jittered centre of stone (cx, cy), cells wrapping around the texture.
void stoneCentre(const Noise& noise, int cx, int cy, float& x, float& y) {
    const int wx = wrap(cx, kCells), wy = wrap(cy, kCells);
    x = (static_cast<float>(cx) + 0.2f + 0.6f * noise.random(wx, wy)) * kCellSize;
    y = (static_cast<float>(cy) + 0.2f + 0.6f * noise.random(wx + 97, wy + 31)) * kCellSize;
}

// The stone a pixel lies on and how far it is from the joint to the next one.
struct Cobble {
    int stone;       // wrapped cell index of the nearest centre
    float fromEdge;  // pixels: second-nearest minus nearest centre distance
    float fromCentre;
};

Cobble cobbleAt(float px, float py) {
    static const Noise noise(4711);
    const int cx = static_cast<int>(px / kCellSize), cy = static_cast<int>(py / kCellSize);
    float nearest = 1e9f, second = 1e9f;
    int stone = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            float x, y;
            stoneCentre(noise, cx + dx, cy + dy, x, y);
            const float d = std::sqrt((x - px) * (x - px) + (y - py) * (y - py));
            if (d < nearest) {
                second = nearest;
                nearest = d;
                stone = wrap(cx + dx, kCells) * kCells + wrap(cy + dy, kCells);
            } else if (d < second) {
                second = d;
            }
        }
    return {stone, second - nearest, nearest};
}

// Grain of sand and stone: three octaves that all repeat across the texture.
float grain(float px, float py) {
    static const Noise noise(99);
    float sum = 0.0f, amplitude = 0.5f;
    for (int period = 16; period <= 64; period *= 2, amplitude *= 0.5f)
        sum += amplitude * noise.tiled2D(px * period / textureSize, py * period / textureSize, period);
    return sum / 0.875f;
}

// 1 on a stone's face, falling to 0 across its rounded rim into the joint.
float stoneMask(const Cobble& c) { return smoothstep(1.5f, 6.0f, c.fromEdge); }

template <typename Shade>
Image paint(Shade shade) {
    Image image(textureSize, textureSize);
    for (int y = 0; y < textureSize; ++y)
        for (int x = 0; x < textureSize; ++x)
            image.set(x, y, shade(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f));
    return image;
}

std::string number(int v) { return std::to_string(v); }

// Fixed two-decimal text of v / 100, so the file never depends on float
// formatting.
std::string hundredths(int v) {
    const std::string sign = v < 0 ? "-" : "";
    const int a = v < 0 ? -v : v;
    const int fraction = a % 100;
    return sign + std::to_string(a / 100) + "." + (fraction < 10 ? "0" : "") + std::to_string(fraction);
}
}  // namespace

Image colorMap() {
    static const Noise tint(2024);
    return paint([](float px, float py) {
        const Cobble c = cobbleAt(px, py);
        const float g = grain(px, py);
        const float shade = 0.85f + 0.3f * tint.random(c.stone);
        const Color stone = scaled(mix(Color{0.50f, 0.48f, 0.44f}, Color{0.58f, 0.50f, 0.40f}, tint.random(c.stone, 7)),
                                   shade * (0.85f + 0.3f * g));
        const Color sand = scaled(Color{0.66f, 0.57f, 0.40f}, 0.75f + 0.35f * g);
        // Stones darken a little towards their rim, as worn cobbles do.
        const float rim = 1.0f - 0.25f * smoothstep(0.3f, 1.0f, c.fromCentre / kCellSize);
        return mix(sand, scaled(stone, rim), stoneMask(c));
    });
}

Image heightMap() {
    return paint([](float px, float py) {
        const Cobble c = cobbleAt(px, py);
        const float dome = 1.0f - 0.35f * smoothstep(0.0f, 1.0f, c.fromCentre / kCellSize);
        const float h = lerp(0.15f + 0.1f * grain(px, py), 0.55f + 0.4f * dome, stoneMask(c));
        return Color{h, h, h, 1.0f};
    });
}

std::string planeModel() {
    constexpr int kQuads = 24, kHalf = 300, kRepeats = 10;
    constexpr int kPoints = kQuads + 1;
    std::string xml =
        "<model name=\"plane\" numsubobjects=\"1\" nummaterials=\"1\" numofparallaxmap=\"1\">\n"
        "    <content>\n"
        "        <material name=\"cobbles\" opacity=\"1\">\n"
        "            <ambient r=\"0.4\" g=\"0.4\" b=\"0.4\" a=\"1\" />\n"
        "            <diffuse r=\"1\" g=\"1\" b=\"1\" a=\"1\" />\n"
        "            <specular r=\"0.1\" g=\"0.1\" b=\"0.1\" a=\"1\" />\n"
        "            <texture colormap=\"Data/KModel/ground.png\" />\n"
        "        </material>\n"
        "        <parallaxmap name=\"cobbles\">\n"
        "            <texture heightmap=\"Data/KModel/ground_height.png\" />\n"
        "        </parallaxmap>\n"
        "        <object name=\"ground\" numvertices=\"" +
        number(kPoints * kPoints) + "\" numfaces=\"" + number(kQuads * kQuads) +
        "\">\n"
        "            <position x=\"0\" y=\"0\" z=\"0\" />\n"
        "            <orientation angle=\"0\" x=\"0\" y=\"1\" z=\"0\" />\n";
    for (int j = 0; j < kPoints; ++j)
        for (int i = 0; i < kPoints; ++i) {
            const int x = -kHalf + i * 2 * kHalf / kQuads, z = -kHalf + j * 2 * kHalf / kQuads;
            xml += "            <vertex x=\"" + number(x) + "\" y=\"0\" z=\"" + number(z) + "\" u0=\"" +
                   hundredths(100 * kRepeats * i / kQuads) + "\" v0=\"" + hundredths(100 * kRepeats * j / kQuads) +
                   "\" r=\"0.7\" g=\"0.7\" b=\"0.7\" />\n";
        }
    // Corners a (i, j), b (i, j + 1), c (i + 1, j + 1), d (i + 1, j): the
    // normal (b - a) x (c - a) points up.
    for (int j = 0; j < kQuads; ++j)
        for (int i = 0; i < kQuads; ++i) {
            const int a = j * kPoints + i;
            xml += "            <face a=\"" + number(a) + "\" b=\"" + number(a + kPoints) + "\" c=\"" +
                   number(a + kPoints + 1) + "\" d=\"" + number(a + 1) +
                   "\" materialindex=\"0\" parallaxmapindex=\"0\" />\n";
        }
    return xml + "        </object>\n    </content>\n</model>\n";
}

}  // namespace Ground
