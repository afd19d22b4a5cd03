#include "Crusader.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Solids.h"
#include "ThreeDsEncoder.h"
#include "Trig.h"

namespace Crusader {
namespace {

// Objects of the file, one material each, in this order.
enum Part { Plinth, Surcoat, Cross, Mail, Steel, Brass, Leather, Shield, Blade, Slit, PartCount };

const std::vector<ThreeDsPart>& parts() {
    static const std::vector<ThreeDsPart> table = {
        {"Plinth", "STONE", 200, 190, 170, "STONE.JPG"},
        {"Surcoat", "LINEN", 232, 226, 208, ""},
        {"Cross", "RED", 170, 24, 28, ""},
        {"Mail", "MAIL", 118, 122, 128, ""},
        {"Steel", "STEEL", 178, 184, 192, ""},
        {"Brass", "BRASS", 196, 160, 70, ""},
        {"Leather", "LEATHER", 96, 62, 36, ""},
        {"Shield", "SHIELD", 235, 230, 215, "SHIELD.JPG"},
        {"Blade", "BLADE", 215, 220, 228, ""},
        {"Slit", "DARK", 18, 18, 22, ""},
    };
    return table;
}

// The knight faces +z; his left is +x. Sides are written s = +1 (left)
// and s = -1 (right).
constexpr Vec3 front{0, 0, 1}, up{0, 1, 0};
constexpr UvRect wholeTexture{0, 0, 1, 1};
constexpr float standY = 1.0f;  // the plinth's top

// Column values of a tube: count even steps around, plus exact columns
// where a painted edge must run, and none too close beside those.
std::vector<float> columnsWith(int count, std::vector<float> edges) {
    std::vector<float> columns = edges;
    for (float a : Solids::evenColumns(count)) {
        const bool crowded = std::any_of(edges.begin(), edges.end(), [a](float e) {
            const float d = std::fabs(a - e);
            return std::min(d, 1.0f - d) < 0.012f;
        });
        if (!crowded)
            columns.push_back(a);
    }
    std::sort(columns.begin(), columns.end());
    return columns;
}

// The column value where an upright tube's front half passes sideways
// offset x, for a tube of the given half width; a = 1/2 is straight ahead.
float frontColumn(float x, float width) {
    // Solve -width * sin(2 pi a) = x near a = 1/2 by Newton's method.
    float a = 0.5f;
    for (int i = 0; i < 8; ++i) {
        const float f = -width * Trig::sinTurns(a) - x;
        const float slope = -width * 2.0f * Trig::pi * Trig::cosTurns(a);
        a -= f / slope;
    }
    return a;
}

// The same column mirrored to the back half of the tube.
float backColumn(float frontA) { return std::fmod(1.5f - frontA, 1.0f); }

void addPlinth(Mesh& mesh) {
    constexpr float unitsPerTexture = 8.0f;
    Solids::addBox(mesh, {-7.5f, baseY, -7.5f}, {7.5f, -4.0f, 7.5f}, unitsPerTexture, Plinth);
    Solids::addBox(mesh, {-6.5f, -4.0f, -6.5f}, {6.5f, 0.0f, 6.5f}, unitsPerTexture, Plinth);
    Solids::addBox(mesh, {-7.0f, 0.0f, -7.0f}, {7.0f, standY, 7.0f}, unitsPerTexture, Plinth);
}

void addLegs(Mesh& mesh) {
    for (float s : {1.0f, -1.0f}) {
        const Vec3 hip{0.95f * s, 12.8f, 0.0f}, knee{1.2f * s, 7.3f, 0.25f}, ankle{1.35f * s, 2.2f, 0.0f};
        Solids::addTube(mesh,
                        Solids::limbRings(hip, knee, ankle, front * -1.0f,
                                          {{-0.1f, 0, 0},
                                           {0.05f, 0.95f, 0.95f},
                                           {0.6f, 0.95f, 0.95f},
                                           {1.0f, 0.85f, 0.85f},
                                           {1.3f, 0.95f, 0.9f},
                                           {1.85f, 0.66f, 0.64f},
                                           {2.1f, 0, 0}}),
                        Solids::evenColumns(10), wholeTexture, Mail);
        // Steel shoes, soles flat on the plinth.
        const std::vector<TubeRing> rings = Solids::footRings(ankle, normalised({0.12f * s, 0.0f, 1.0f}), standY, 0.3f,
                                                              {{-0.9f, 0, 0},
                                                               {-0.75f, 0.6f, 0.55f},
                                                               {0.2f, 0.8f, 0.62f},
                                                               {1.3f, 0.55f, 0.58f},
                                                               {2.1f, 0.35f, 0.42f},
                                                               {2.4f, 0, 0}});
        Solids::addTube(mesh, rings, Solids::evenColumns(8), wholeTexture, Steel);
    }
}

// The surcoat: a sleeveless coat from the shoulders down over the knees,
// a red cross on chest and back, belted at the waist.
void addSurcoat(Mesh& mesh) {
    constexpr float barHalf = 0.38f, armHalf = 1.55f;
    constexpr float crossBottom = 14.6f, crossTop = 20.0f, armBottom = 17.6f, armTop = 18.35f;
    const float nearBar = frontColumn(barHalf, 2.5f), nearArm = frontColumn(armHalf, 2.6f);
    const float farBar = frontColumn(-barHalf, 2.5f), farArm = frontColumn(-armHalf, 2.6f);
    const std::vector<float> columns = columnsWith(24, {nearBar, farBar, nearArm, farArm, backColumn(nearBar),
                                                        backColumn(farBar), backColumn(nearArm), backColumn(farArm)});
    const auto partAt = [=](Vec3 p) {
        const float x = std::fabs(p.x);
        const bool bar = x < barHalf && p.y > crossBottom && p.y < crossTop;
        const bool arm = x < armHalf && p.y > armBottom && p.y < armTop;
        return bar || arm ? Cross : Surcoat;
    };
    Solids::addTube(mesh,
                    Solids::uprightRings({{6.4f, 0.1f, 0, 0},
                                          {6.6f, 0.1f, 2.0f, 2.9f},
                                          {8.5f, 0.1f, 1.75f, 2.6f},
                                          {10.5f, 0.05f, 1.5f, 2.35f},
                                          {12.6f, 0.0f, 1.4f, 2.25f},
                                          {13.8f, 0.0f, 1.25f, 2.0f},
                                          {crossBottom, 0.02f, 1.33f, 2.14f},
                                          {15.4f, 0.05f, 1.4f, 2.25f},
                                          {17.2f, 0.1f, 1.55f, 2.5f},
                                          {armBottom, 0.1f, 1.56f, 2.55f},
                                          {armTop, 0.08f, 1.55f, 2.62f},
                                          {18.9f, 0.05f, 1.5f, 2.7f},
                                          {crossTop, 0.0f, 1.38f, 2.78f},
                                          {20.2f, 0.0f, 1.35f, 2.8f},
                                          {20.9f, 0.0f, 1.1f, 2.2f},
                                          {21.3f, 0.0f, 0.8f, 1.2f},
                                          {21.4f, 0.0f, 0, 0}},
                                         front),
                    columns, wholeTexture, partAt);
    // The belt, a band just outside the coat, and its buckle.
    Solids::addTube(
        mesh,
        Solids::uprightRings(
            {{13.45f, 0.0f, 0, 0}, {13.45f, 0.0f, 1.34f, 2.1f}, {14.15f, 0.0f, 1.36f, 2.13f}, {14.15f, 0.0f, 0, 0}},
            front),
        Solids::evenColumns(20), wholeTexture, Leather);
    Solids::addBox(mesh, {-0.28f, 13.5f, 1.25f}, {0.28f, 14.1f, 1.47f}, 1.0f, Brass);
}

// A round fist or knob: an ellipsoid about centre.
void addKnob(Mesh& mesh, Vec3 centre, float radius, float height, int part) {
    std::vector<Solids::Level> levels;
    for (int i = 0; i <= 6; ++i) {
        const float turn = static_cast<float>(i) / 12.0f;  // from the bottom pole to the top one
        levels.push_back({centre.y - height * Trig::cosTurns(turn), 0.0f, radius * Trig::sinTurns(turn),
                          radius * Trig::sinTurns(turn)});
    }
    Solids::addTube(mesh, Solids::uprightRings(levels, front, centre), Solids::evenColumns(8), wholeTexture, part);
}

void addArm(Mesh& mesh, Vec3 shoulder, Vec3 elbow, Vec3 wrist) {
    Solids::addTube(mesh,
                    Solids::limbRings(shoulder, elbow, wrist, front * -1.0f,
                                      {{-0.25f, 0, 0},
                                       {-0.1f, 1.0f, 1.05f},
                                       {0.3f, 0.9f, 0.88f},
                                       {0.9f, 0.72f, 0.72f},
                                       {1.0f, 0.7f, 0.7f},
                                       {1.3f, 0.78f, 0.76f},
                                       {1.9f, 0.55f, 0.55f},
                                       {2.05f, 0, 0}}),
                    Solids::evenColumns(8), wholeTexture, Mail);
}

// A longsword standing point down on the plinth, its grip in the right fist.
void addSword(Mesh& mesh, Vec3 grip) {
    constexpr float guardY = 11.4f, thickness = 0.18f;
    Solids::addSlab(mesh, {{0.0f, standY + 0.05f}, {0.3f, 2.2f}, {0.42f, guardY}, {-0.42f, guardY}, {-0.3f, 2.2f}},
                    {{grip.x, 0.0f, grip.z + thickness / 2.0f}, {1, 0, 0}, up, thickness}, wholeTexture,
                    {Blade, Blade, Blade});
    Solids::addBox(mesh, {grip.x - 1.5f, guardY, grip.z - 0.2f}, {grip.x + 1.5f, guardY + 0.35f, grip.z + 0.2f}, 1.0f,
                   Brass);
    Solids::addTube(mesh,
                    Solids::uprightRings({{guardY + 0.35f, 0, 0, 0},
                                          {guardY + 0.35f, 0, 0.17f, 0.17f},
                                          {guardY + 2.5f, 0, 0.17f, 0.17f},
                                          {guardY + 2.5f, 0, 0, 0}},
                                         front, grip),
                    Solids::evenColumns(6), wholeTexture, Leather);
    addKnob(mesh, {grip.x, guardY + 2.78f, grip.z}, 0.34f, 0.3f, Brass);
    addKnob(mesh, {grip.x, 13.0f, grip.z}, 0.55f, 0.62f, Mail);
}

// A heater shield on the left forearm, turned a little outwards.
void addShield(Mesh& mesh) {
    const float c = Trig::cosTurns(15.0f / 360.0f), s = Trig::sinTurns(15.0f / 360.0f);
    Solids::addSlab(mesh,
                    {{0.0f, -4.4f},
                     {1.3f, -3.2f},
                     {2.2f, -1.7f},
                     {2.65f, -0.3f},
                     {2.8f, 0.9f},
                     {2.8f, 3.2f},
                     {-2.8f, 3.2f},
                     {-2.8f, 0.9f},
                     {-2.65f, -0.3f},
                     {-2.2f, -1.7f},
                     {-1.3f, -3.2f}},
                    {{3.3f, 15.6f, 3.9f}, {c, 0.0f, -s}, up, 0.3f}, wholeTexture, {Shield, Leather, Steel});
}

// The great helm: a flat-topped steel pot with eye slits either side of a
// brass cross brace, over a mail coif at the neck.
void addHead(Mesh& mesh) {
    constexpr float slitBottom = 23.7f, slitTop = 23.95f, bandTop = 24.35f, braceHalf = 0.22f, slitHalf = 1.25f;
    constexpr float braceBottom = 22.0f, braceTop = 25.6f;
    const std::vector<float> columns = columnsWith(20, {frontColumn(braceHalf, 1.5f), frontColumn(-braceHalf, 1.5f),
                                                        frontColumn(slitHalf, 1.52f), frontColumn(-slitHalf, 1.52f)});
    const auto partAt = [=](Vec3 p) {
        const bool ahead = p.z > 0.1f;
        if (ahead && std::fabs(p.x) < braceHalf && p.y > braceBottom && p.y < braceTop)
            return Brass;
        if (ahead && std::fabs(p.x) < slitHalf && p.y > slitBottom && p.y < slitTop)
            return Slit;
        if (p.y > slitTop && p.y < bandTop)
            return Brass;
        return Steel;
    };
    Solids::addTube(mesh,
                    Solids::uprightRings({{21.55f, 0.1f, 0, 0},
                                          {21.6f, 0.1f, 1.55f, 1.45f},
                                          {braceBottom, 0.1f, 1.58f, 1.47f},
                                          {23.0f, 0.1f, 1.62f, 1.5f},
                                          {slitBottom, 0.1f, 1.62f, 1.52f},
                                          {slitTop, 0.1f, 1.62f, 1.52f},
                                          {bandTop, 0.1f, 1.64f, 1.53f},
                                          {24.6f, 0.1f, 1.62f, 1.5f},
                                          {25.5f, 0.1f, 1.55f, 1.45f},
                                          {braceTop, 0.1f, 1.5f, 1.4f},
                                          {25.85f, 0.1f, 1.2f, 1.1f},
                                          {25.95f, 0.1f, 0, 0}},
                                         front),
                    columns, wholeTexture, partAt);
    Solids::addTube(
        mesh,
        Solids::uprightRings(
            {{20.8f, 0, 0, 0}, {20.9f, 0, 0.8f, 0.85f}, {21.9f, 0.05f, 0.85f, 0.9f}, {22.0f, 0.05f, 0, 0}}, front),
        Solids::evenColumns(10), wholeTexture, Mail);
}

Mesh buildStatue() {
    Mesh mesh;
    addPlinth(mesh);
    addLegs(mesh);
    addSurcoat(mesh);
    addHead(mesh);
    // Right arm down to the sword's grip, left arm forwards under the shield.
    const Vec3 grip{-3.6f, 0.0f, 2.35f};
    addArm(mesh, {-2.75f, 19.6f, 0.0f}, {-3.25f, 16.2f, 0.5f}, {-3.5f, 13.6f, 1.9f});
    addSword(mesh, grip);
    addArm(mesh, {2.75f, 19.6f, 0.0f}, {3.35f, 16.3f, 0.2f}, {3.0f, 15.3f, 2.9f});
    addKnob(mesh, {3.0f, 15.2f, 3.1f}, 0.55f, 0.6f, Mail);
    addShield(mesh);
    return mesh;
}

}  // namespace

std::vector<std::uint8_t> model() { return encode3ds(buildStatue(), parts()); }

// ---- Textures ----

Image stoneTexture() {
    constexpr int size = 256, courses = 4, blocksPerCourse = 3;
    constexpr float courseHeight = static_cast<float>(size) / courses;
    constexpr float blockLength = static_cast<float>(size) / blocksPerCourse;
    static const Noise noise(777);
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
            // Each course's joints are shifted along; everything repeats
            // across the picture's edges.
            const int course = static_cast<int>(py / courseHeight);
            const float along = std::fmod(px + noise.random(course, 1) * blockLength, static_cast<float>(size));
            const int block = static_cast<int>(along / blockLength);
            const float inX = along - static_cast<float>(block) * blockLength;
            const float inY = py - static_cast<float>(course) * courseHeight;
            const float edge = std::min(std::min(inX, blockLength - inX), std::min(inY, courseHeight - inY));
            const float grain = noise.tiled2D(px / 16.0f, py / 16.0f, size / 16) * 0.5f +
                                noise.tiled2D(px / 4.0f, py / 4.0f, size / 4) * 0.3f +
                                noise.tiled2D(px / 2.0f, py / 2.0f, size / 2) * 0.2f;
            const int id = course * blocksPerCourse + block;
            Color stone = mix(rgb(200, 190, 166), rgb(160, 154, 142), noise.random(id, 3));
            stone = scaled(stone, 0.78f + 0.36f * grain);
            // Each block lit a little from above, its arrises worn darker,
            // here and there a pit.
            stone = scaled(stone, 1.04f - 0.08f * inY / courseHeight);
            stone = scaled(stone, 0.78f + 0.22f * smoothstep(1.5f, 7.0f, edge));
            if (noise.random(x, y + 1000) > 0.992f)
                stone = scaled(stone, 0.85f);
            const Color mortar = scaled(rgb(128, 122, 110), 0.85f + 0.25f * grain);
            image.set(x, y, mix(mortar, stone, smoothstep(1.0f, 2.5f, edge)));
        }
    return image;
}

Image shieldTexture() {
    constexpr int size = 256;
    static const Noise noise(4242);
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / size, v = (static_cast<float>(y) + 0.5f) / size;
            // Paint over planks whose grain runs down the shield, worn towards the rim.
            const float grain = noise.value2D(u * 50.0f, v * 3.0f) * 0.6f + noise.value2D(u * 120.0f, v * 8.0f) * 0.4f;
            const float worn = smoothstep(0.3f, 0.5f, std::max(std::fabs(u - 0.5f), std::fabs(v - 0.5f)));
            const float scuff = smoothstep(0.62f, 0.8f, noise.fbm2D(u * 12.0f, v * 12.0f, 3)) * 0.08f;
            const Color field = scaled(rgb(236, 230, 212), 0.92f + 0.08f * grain - 0.1f * worn - scuff);
            // The cross is centred both ways, so it looks the same whichever
            // way up a loader takes the picture.
            const float bar = std::min(std::fabs(u - 0.5f), std::fabs(v - 0.5f));
            const float cross = 1.0f - smoothstep(0.075f, 0.082f, bar);
            const Color red = scaled(rgb(172, 26, 30), 0.9f + 0.1f * grain - scuff);
            image.set(x, y, mix(field, red, cross));
        }
    return image;
}

}  // namespace Crusader
