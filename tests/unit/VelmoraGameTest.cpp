#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "VelmoraGame/CGameManager.h"
#include "support/VelmoraReferenceScan.h"

namespace {
using Rgb = CPixelBuffer::Rgb;
using Pixels = std::vector<std::uint32_t>;

// from..to inclusive, then `more`.
Pixels span(std::uint32_t from, std::uint32_t to, Pixels more = {}) {
    Pixels v;
    for (std::uint32_t i = from; i <= to; ++i)
        v.push_back(i);
    v.insert(v.end(), more.begin(), more.end());
    return v;
}

// Indices of the pixels of this colour in row `at` (inRow) or in column `at`.
Pixels painted(const CPixelBuffer& f, bool inRow, std::uint32_t at, Rgb colour) {
    Pixels v;
    for (std::uint32_t i = 0; i < (inRow ? f.getWidth() : f.getHeight()); ++i)
        if ((inRow ? f.getPixel(i, at) : f.getPixel(at, i)) == colour)
            v.push_back(i);
    return v;
}

std::size_t notFree(const CPixelBuffer& f) {
    std::size_t n = 0;
    for (std::uint32_t y = 0; y < f.getHeight(); ++y)
        for (std::uint32_t x = 0; x < f.getWidth(); ++x)
            n += f.getPixel(x, y) != CPixelBuffer::FREE;
    return n;
}

std::pair<float, float> xy(const CVector2& v) { return {v.x, v.y}; }

// Moves as letters L, R, U, D with a count of frames; "LU3" holds both for 3.
void play(CGameManager& game, const std::string& moves) {
    std::istringstream in(moves);
    std::string keys;
    while (in >> keys) {
        const std::size_t digits = keys.find_first_of("0123456789");
        const auto held = [&](char k) { return keys.find(k) < digits; };
        for (int i = std::stoi(keys.substr(digits)); i > 0; --i)
            game.steer(held('L'), held('R'), held('U'), held('D'));
    }
}

// A game whose debugging lines are captured.
struct Game : CGameManager {
    std::ostringstream log;
    explicit Game(std::unique_ptr<CPixelBuffer> field = nullptr) : CGameManager(std::move(field)) {
        getField().setOutput(log);
    }
};

// A bare 600 x 600 field, a head and a trail, for one scan at a time.
struct Scan {
    CPixelBuffer field;
    CLineHead head;
    CLine trail;
    std::ostringstream log;
    Scan(const std::vector<CVector2>& points, int headX = 0, int headY = 300) {
        field.init(600, 600);
        field.setOutput(log);
        head.setPosition(headX, headY);
        for (const CVector2& p : points)
            trail.tryAddPoint(p);
    }
    std::string rows() { return field.fillRows(trail, head), log.str(); }
    std::string columns() { return field.fillColumns(trail, head), log.str(); }
};
}  // namespace

// Only a single held arrow moves the head, by half a pixel; running into the
// trail sends it home and erases the trail, start pixel too.
TEST(VelmoraGame, StepsTrailAndCollision) {
    Game g;
    play(g, "LU5 LR5 UD5 RUD5 LRUD5");
    EXPECT_EQ(xy(g.getHead().getPosition()), std::make_pair(0.0f, 300.0f));
    EXPECT_TRUE(g.getTrail().getPoints().empty());
    EXPECT_EQ(g.getField().getPixel(0, 300), CPixelBuffer::TRAIL);
    EXPECT_EQ(notFree(g.getField()), 1u);
    EXPECT_EQ(g.getField().getLastBorder(), CPixelBuffer::NO_BORDER);

    play(g, "R4");
    EXPECT_EQ(xy(g.getHead().getPosition()), std::make_pair(2.0f, 300.0f));
    std::vector<std::pair<float, float>> trail;
    for (const CVector2& p : g.getTrail().getPoints())
        trail.push_back(xy(p));
    EXPECT_EQ(trail, (std::vector<std::pair<float, float>>{{0.5f, 300}, {1, 300}, {1.5f, 300}, {2, 300}}));
    EXPECT_EQ(painted(g.getField(), true, 300, CPixelBuffer::TRAIL), span(0, 2));
    EXPECT_EQ(g.log.str(), "");  // no edge reached, no fill

    play(g, "L1");  // back onto (1.5, 300)
    EXPECT_EQ(xy(g.getHead().getPosition()), std::make_pair(0.0f, 300.0f));
    EXPECT_TRUE(g.getTrail().getPoints().empty());
    EXPECT_EQ(notFree(g.getField()), 0u);
}

TEST(VelmoraGame, EdgeArrivalSavesThePositionAndTheEdge) {
    Game g;
    play(g, "U1");  // x stays 0: on the left edge
    EXPECT_EQ(g.log.str().rfind("Fillrectangle...\n", 0), 0u);
    EXPECT_EQ(g.getHead().getLastBorder(), CPixelBuffer::LEFT);
    play(g, "R2 D1 L1 U1");  // runs into (0.5, 300.5): back to the last arrival
    EXPECT_EQ(xy(g.getHead().getPosition()), std::make_pair(0.0f, 300.5f));

    play(g, "R2 D601");  // y reaches 0
    EXPECT_EQ(xy(g.getHead().getSavedPosition()), std::make_pair(1.0f, 0.0f));
    EXPECT_EQ(g.getField().getLastBorder(), CPixelBuffer::BOTTOM);
    EXPECT_EQ(g.getHead().getLastBorder(), CPixelBuffer::BOTTOM);
}

TEST(VelmoraPixelBuffer, EdgesAndPositionsOutsideTheField) {
    CPixelBuffer f;
    f.init(600, 600);
    EXPECT_FALSE(f.isOnBorder({5, 5}));
    const std::pair<CVector2, int> edges[] = {{{600, 600}, CPixelBuffer::RIGHT},
                                              {{-1, 700}, CPixelBuffer::TOP},
                                              {{-3, 300}, CPixelBuffer::LEFT},
                                              {{599.5f, -2}, CPixelBuffer::BOTTOM}};
    for (const auto& [at, border] : edges) {
        EXPECT_TRUE(f.isOnBorder(at));
        EXPECT_EQ(f.getLastBorder(), border);
    }
    EXPECT_FALSE(f.isOnBorder({599.5f, 599.5f}));
    EXPECT_EQ(f.getLastBorder(), CPixelBuffer::BOTTOM);  // kept

    f.paint({-3, 300}, CPixelBuffer::TRAIL);
    f.paint({599.5f, 599.9f}, CPixelBuffer::TRAIL);
    EXPECT_EQ(f.getPixel(0, 300), CPixelBuffer::TRAIL);
    EXPECT_EQ(f.getPixel(599, 599), CPixelBuffer::TRAIL);
    const std::vector<std::uint8_t> before = f.getPixels();
    for (const CVector2& p : {CVector2(600, 300), CVector2(600, -3), CVector2(300, 600), CVector2(1e30f, 5)})
        f.paint(p, CPixelBuffer::CLAIMED);
    EXPECT_EQ(f.getPixels(), before);
}

TEST(VelmoraRowScan, ByCrossingCount) {
    Scan even({{20, 50}, {10, 50}, {10, 60}, {20, 60}, {30, 60}, {40, 60}, {10, 300.5f}, {20, 300.5f}});
    EXPECT_EQ(even.rows(), "Fillrectangle...\n");
    EXPECT_EQ(painted(even.field, true, 50, CPixelBuffer::CLAIMED), span(10, 19));
    EXPECT_EQ(painted(even.field, true, 60, CPixelBuffer::CLAIMED), span(10, 19, span(30, 39)));
    EXPECT_EQ(notFree(even.field), 30u);  // half-pixel rows take no part

    Scan left({{50, 70}});
    EXPECT_EQ(left.rows(), "Fillrectangle...\nCumi 1....\nbal\n");
    EXPECT_EQ(painted(left.field, true, 70, CPixelBuffer::CLAIMED), span(0, 49));
    Scan tie({{50.5f, 70}}, 300);  // equally far from both sides
    EXPECT_EQ(tie.rows(), "Fillrectangle...\nCumi 1....\njobb\n");
    EXPECT_EQ(painted(tie.field, true, 70, CPixelBuffer::CLAIMED), span(50, 599));

    Scan odd({{10, 80}, {20, 80}, {30, 80}});
    EXPECT_EQ(odd.rows(), "Fillrectangle...\nCumi 2....\nHitpointok...3\nHitpointok...3\nHitpointok...3\n");
    EXPECT_EQ(painted(odd.field, true, 80, CPixelBuffer::CLAIMED), span(10, 29));

    Scan far({{-1e6f, 5}, {1e6f, 5}, {-2.5f, 6}, {3, 6}, {-1e30f, 7}, {1e30f, 7}});
    far.rows();
    EXPECT_EQ(painted(far.field, true, 5, CPixelBuffer::CLAIMED), span(0, 599));
    EXPECT_EQ(painted(far.field, true, 7, CPixelBuffer::CLAIMED), span(0, 599));
    EXPECT_EQ(painted(far.field, true, 6, CPixelBuffer::CLAIMED), span(0, 2));
}

// A stretch of trail ending on the last crossing claims towards the nearer
// side, but only when the head arrived on another edge than last time.
TEST(VelmoraRowScan, StretchClaimsTowardsTheSideAtANewEdge) {
    for (int headBorder : {CPixelBuffer::LEFT, CPixelBuffer::RIGHT}) {
        Scan s({{100, 90}, {200, 90}, {200.5f, 90}}, 600);
        s.head.setLastBorder(headBorder);
        ASSERT_TRUE(s.field.isOnBorder(s.head.getPosition()));
        s.rows();
        EXPECT_EQ(painted(s.field, true, 90, CPixelBuffer::CLAIMED), span(100, 199));
        EXPECT_EQ(painted(s.field, true, 90, CPixelBuffer::EDGE_CLAIMED),
                  headBorder == CPixelBuffer::RIGHT ? Pixels{} : span(200, 599));
    }
}

TEST(VelmoraColumnScan, ByCrossingCount) {
    Scan s({{5, 19}, {5, 10}, {6, 10}, {6, 20}, {6, 30}, {6, 40}, {7, 10}, {7, 20}, {7, 30}, {7.5f, 10}, {7.5f, 20}});
    EXPECT_EQ(s.columns(), "Fillrectangle...vertically\n");
    EXPECT_EQ(painted(s.field, false, 5, CPixelBuffer::COLUMN_PAIR), span(10, 18));
    EXPECT_EQ(painted(s.field, false, 6, CPixelBuffer::COLUMN_PAIRS), span(10, 19, span(30, 39)));
    EXPECT_EQ(notFree(s.field), 29u);  // three crossings and half-pixel columns: nothing

    Scan bottom({{40, 100}}, 0, 10);
    EXPECT_EQ(bottom.columns(), "Fillrectangle...vertically\nCumi 1....\nfent\n");
    EXPECT_EQ(painted(bottom.field, false, 40, CPixelBuffer::CLAIMED), span(0, 99));
    Scan tie({{40, 100}}, 0, 300);
    EXPECT_EQ(tie.columns(), "Fillrectangle...vertically\nCumi 1....\nlent\n");
    EXPECT_EQ(painted(tie.field, false, 40, CPixelBuffer::CLAIMED), span(100, 599));
}

namespace {
// Steers both games alike in straight legs towards random coordinates, a
// third of them on or just past an edge; a leg that starts on an edge leads
// back into the field, and a leg ends when the head runs into its trail.
void playRandomGame(CGameManager& game, CGameManager& twin, unsigned seed) {
    std::mt19937 rng(seed);
    auto inside = [&rng] { return static_cast<float>(1 + rng() % 1199) / 2.0f; };
    const float edges[] = {-1.0f, 0.0f, 600.0f, 600.5f};
    for (int leg = 0; leg < 40; ++leg) {
        const CVector2 at = game.getHead().getPosition();
        const bool offX = at.x <= 0 || at.x >= 600, offY = at.y <= 0 || at.y >= 600;
        const bool alongX = offX || (!offY && rng() % 2);
        const float target = (offX || offY || rng() % 3) ? inside() : edges[rng() % 4];
        for (int frame = 0; frame < 1300 && !(frame && game.getTrail().getPoints().empty()); ++frame) {
            const float delta = target - (alongX ? game.getHead().getPosition().x : game.getHead().getPosition().y);
            if (delta == 0)
                break;
            for (CGameManager* g : {&game, &twin})
                g->steer(alongX && delta < 0, alongX && delta > 0, !alongX && delta > 0, !alongX && delta < 0);
        }
    }
}

// The field as text, one line per row from y = 0, in runs such as "F120 R1 Y479".
std::string encode(const CPixelBuffer& f) {
    const std::pair<char, Rgb> palette[] = {{'F', CPixelBuffer::FREE},        {'R', CPixelBuffer::TRAIL},
                                            {'Y', CPixelBuffer::CLAIMED},     {'G', CPixelBuffer::EDGE_CLAIMED},
                                            {'B', CPixelBuffer::COLUMN_PAIR}, {'M', CPixelBuffer::COLUMN_PAIRS}};
    auto letter = [&](std::uint32_t x, std::uint32_t y) {
        for (const auto& [l, c] : palette)
            if (f.getPixel(x, y) == c)
                return l;
        return '?';
    };
    std::ostringstream out;
    out << "velmora-field " << f.getWidth() << ' ' << f.getHeight() << '\n';
    for (std::uint32_t y = 0; y < f.getHeight(); ++y) {
        for (std::uint32_t x = 0, end; x < f.getWidth(); x = end) {
            for (end = x + 1; end < f.getWidth() && letter(end, y) == letter(x, y);)
                ++end;
            out << (x ? " " : "") << letter(x, y) << end - x;
        }
        out << '\n';
    }
    return out.str();
}
}  // namespace

TEST(VelmoraGame, IndexedFillsMatchTheFullScanOnRandomGames) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        Game indexed, reference(std::make_unique<VelmoraReferenceScan>());
        playRandomGame(indexed, reference, seed);
        ASSERT_NE(reference.log.str().find("Fillrectangle"), std::string::npos) << seed;
        EXPECT_TRUE(indexed.getField().getPixels() == reference.getField().getPixels()) << seed;
        EXPECT_TRUE(indexed.log.str() == reference.log.str()) << seed;
    }
}

// A box closed on the left edge, a step back onto the trail that erases it, a
// staircase from the top edge to the bottom one, along the bottom edge, then
// a serpentine up to the top edge. KAVOR_UPDATE_GOLDEN=1 rewrites the file.
TEST(VelmoraGame, ScriptedGameEndsOnTheStoredField) {
    Game game;
    play(game,
         "R200 U200 L200 R1 R300 U400 R100 D300 R400 D200 L150 D350 L60 D350 "
         "R310 U100 R200 U100 L200 U100 R200 U100 L200 U800");
    const std::string actual = encode(game.getField());
    const std::string here = __FILE__;
    const std::string path = here.substr(0, here.rfind("/unit/")) + "/data/velmora/scripted_game.rle";
    if (std::getenv("KAVOR_UPDATE_GOLDEN"))
        std::ofstream(path) << actual;
    std::ifstream file(path);
    ASSERT_TRUE(file) << "missing " << path;
    std::stringstream expected;
    expected << file.rdbuf();
    EXPECT_TRUE(actual == expected.str()) << "the field differs from " << path << ":\n" << actual.substr(0, 3000);
}
