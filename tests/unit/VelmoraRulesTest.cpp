#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "VelmoraGame/CGameManager.h"

using Rgb = CPixelBuffer::Rgb;

void PrintTo(const Rgb& c, std::ostream* os) {
    *os << '(' << int(c.red) << ", " << int(c.green) << ", " << int(c.blue) << ')';
}

namespace {
std::vector<std::uint32_t> run(std::uint32_t from, std::uint32_t to) {
    std::vector<std::uint32_t> v;
    for (std::uint32_t i = from; i <= to; ++i) v.push_back(i);
    return v;
}

std::vector<std::uint32_t> columnsIn(const CPixelBuffer& f, std::uint32_t y, Rgb colour) {
    std::vector<std::uint32_t> xs;
    for (std::uint32_t x = 0; x < f.getWidth(); ++x)
        if (f.getPixel(x, y) == colour) xs.push_back(x);
    return xs;
}

std::vector<std::uint32_t> rowsIn(const CPixelBuffer& f, std::uint32_t x, Rgb colour) {
    std::vector<std::uint32_t> ys;
    for (std::uint32_t y = 0; y < f.getHeight(); ++y)
        if (f.getPixel(x, y) == colour) ys.push_back(y);
    return ys;
}

std::size_t countNot(const CPixelBuffer& f, Rgb colour) {
    std::size_t n = 0;
    for (std::uint32_t y = 0; y < f.getHeight(); ++y)
        for (std::uint32_t x = 0; x < f.getWidth(); ++x) n += f.getPixel(x, y) != colour;
    return n;
}

void expectAt(const CVector2& v, float x, float y) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
}

// A game whose debugging lines are captured.
struct Game {
    CGameManager game;
    std::ostringstream log;
    Game() { game.getField().setOutput(log); }
    void press(bool left, bool right, bool up, bool down, int frames = 1) {
        for (int i = 0; i < frames; ++i) game.steer(left, right, up, down);
    }
    void right(int frames = 1) { press(false, true, false, false, frames); }
    void left(int frames = 1) { press(true, false, false, false, frames); }
    void up(int frames = 1) { press(false, false, true, false, frames); }
    void down(int frames = 1) { press(false, false, false, true, frames); }
    const CPixelBuffer& field() const { return game.getField(); }
};

// A bare 600 x 600 field, a head and a trail, for driving one scan directly.
struct Scan {
    CPixelBuffer field;
    CLineHead head;
    CLine trail;
    std::ostringstream log;
    Scan() {
        field.init(600, 600);
        field.setOutput(log);
    }
    void points(const std::vector<CVector2>& ps) {
        for (const CVector2& p : ps) trail.tryAddPoint(p);
    }
};
}  // namespace

TEST(VelmoraGame, StartsWithTheHeadOnTheLeftEdge) {
    Game g;
    EXPECT_EQ(g.field().getPixel(0, 300), CPixelBuffer::TRAIL);
    EXPECT_EQ(countNot(g.field(), CPixelBuffer::FREE), 1u);
    expectAt(g.game.getHead().getPosition(), 0, 300);
    expectAt(g.game.getHead().getSavedPosition(), 0, 300);
    EXPECT_EQ(g.game.getHead().getLastBorder(), 0);
    EXPECT_EQ(g.field().getLastBorder(), CPixelBuffer::NO_BORDER);
    EXPECT_TRUE(g.game.getTrail().getPoints().empty());
}

TEST(VelmoraGame, HalfPixelStepsLayTheTrail) {
    Game g;
    g.right(4);
    expectAt(g.game.getHead().getPosition(), 2, 300);
    const auto& pts = g.game.getTrail().getPoints();
    ASSERT_EQ(pts.size(), 4u);
    for (int i = 0; i < 4; ++i) expectAt(pts[i], 0.5f * (i + 1), 300);
    EXPECT_EQ(columnsIn(g.field(), 300, CPixelBuffer::TRAIL), run(0, 2));
    EXPECT_EQ(countNot(g.field(), CPixelBuffer::FREE), 3u);
    EXPECT_EQ(g.log.str(), "");  // no edge reached, no fill
}

TEST(VelmoraGame, RunningIntoTheTrailErasesItAndReturnsToTheLastEdge) {
    Game g;
    g.right(4);
    g.left();  // back onto (1.5, 300)
    expectAt(g.game.getHead().getPosition(), 0, 300);
    EXPECT_TRUE(g.game.getTrail().getPoints().empty());
    // (0.5, 300) covered the start pixel, so it is erased as well.
    EXPECT_EQ(countNot(g.field(), CPixelBuffer::FREE), 0u);

    // The position to go back to is the one of the last edge arrival.
    Game h;
    h.up();  // (0, 300.5) is still on the left edge
    h.right(2);
    h.down();
    h.left();
    h.up();  // (0.5, 300.5) again
    expectAt(h.game.getHead().getPosition(), 0, 300.5f);
    EXPECT_TRUE(h.game.getTrail().getPoints().empty());
}

TEST(VelmoraGame, OnlyASingleHeldArrowMoves) {
    Game g;
    const bool combos[][4] = {{false, false, false, false}, {true, false, true, false},
                              {true, true, false, false},   {false, false, true, true},
                              {false, true, true, true},    {true, true, true, true}};
    for (const auto& c : combos) g.press(c[0], c[1], c[2], c[3]);
    expectAt(g.game.getHead().getPosition(), 0, 300);
    EXPECT_TRUE(g.game.getTrail().getPoints().empty());

    g.up();
    expectAt(g.game.getHead().getPosition(), 0, 300.5f);
    g.right();
    expectAt(g.game.getHead().getPosition(), 0.5f, 300.5f);
    g.down();
    expectAt(g.game.getHead().getPosition(), 0.5f, 300);
    g.left();
    expectAt(g.game.getHead().getPosition(), 0, 300);
}

TEST(VelmoraGame, EdgeArrivalFillsAndRecordsTheEdge) {
    Game g;
    g.up();  // x stays 0: already an arrival on the left edge
    EXPECT_EQ(g.log.str().rfind("Fillrectangle...\n", 0), 0u);
    expectAt(g.game.getHead().getSavedPosition(), 0, 300.5f);
    EXPECT_EQ(g.game.getHead().getLastBorder(), CPixelBuffer::LEFT);

    g.right(2);
    g.down(601);  // ends at y = 0, on the bottom edge
    expectAt(g.game.getHead().getSavedPosition(), 1, 0);
    EXPECT_EQ(g.field().getLastBorder(), CPixelBuffer::BOTTOM);
    EXPECT_EQ(g.game.getHead().getLastBorder(), CPixelBuffer::BOTTOM);
}

TEST(VelmoraPixelBuffer, PositionsOutsideTheFieldNeverWriteOutsideIt) {
    CPixelBuffer f;
    f.init(600, 600);
    f.paint({-3, 300}, CPixelBuffer::TRAIL);
    EXPECT_EQ(f.getPixel(0, 300), CPixelBuffer::TRAIL);
    EXPECT_TRUE(f.isOnBorder({-3, 300}));
    EXPECT_EQ(f.getLastBorder(), CPixelBuffer::LEFT);

    f.paint({599.5f, 599.9f}, CPixelBuffer::TRAIL);  // the last pixel of the buffer
    EXPECT_EQ(f.getPixel(599, 599), CPixelBuffer::TRAIL);

    const std::vector<std::uint8_t> before = f.getPixels();
    for (const CVector2& p : {CVector2(600, 300), CVector2(600, -3), CVector2(300, 600),
                              CVector2(1e30f, 5), CVector2(5, 3e9f)})
        f.paint(p, CPixelBuffer::CLAIMED);
    f.setPixel(600, 0, 1, 2, 3);
    f.setPixel(0, 600, 1, 2, 3);
    EXPECT_EQ(f.getPixels(), before);
    EXPECT_EQ(f.getPixels().size(), 600u * 600u * 3u);
    EXPECT_TRUE(f.isOnBorder({600, 300}));
    EXPECT_EQ(f.getLastBorder(), CPixelBuffer::RIGHT);

    EXPECT_EQ(CPixelBuffer::toIndex(2.9f), 2u);
    EXPECT_EQ(CPixelBuffer::toIndex(-0.5f), 0u);
    EXPECT_EQ(CPixelBuffer::toIndex(1e30f), UINT32_MAX);
}

TEST(VelmoraPixelBuffer, EdgeTestTakesTheFirstMatchAndRemembersIt) {
    CPixelBuffer f;
    f.init(600, 600);
    EXPECT_FALSE(f.isOnBorder({5, 5}));
    EXPECT_EQ(f.getLastBorder(), CPixelBuffer::NO_BORDER);
    const struct {
        CVector2 at;
        int border;
    } cases[] = {{{600, 600}, CPixelBuffer::RIGHT}, {{-1, 700}, CPixelBuffer::TOP},
                 {{0, 0}, CPixelBuffer::LEFT},      {{5, 0}, CPixelBuffer::BOTTOM},
                 {{599.5f, -2}, CPixelBuffer::BOTTOM}};
    for (const auto& c : cases) {
        EXPECT_TRUE(f.isOnBorder(c.at));
        EXPECT_EQ(f.getLastBorder(), c.border) << c.at.x << ", " << c.at.y;
    }
    EXPECT_FALSE(f.isOnBorder({599.5f, 599.5f}));
    EXPECT_EQ(f.getLastBorder(), CPixelBuffer::BOTTOM);
}

TEST(VelmoraRowScan, EvenCrossingsFillPairsUpToTheSecondPoint) {
    Scan s;
    s.points({{20, 50}, {10, 50}, {10, 60}, {20, 60}, {30, 60}, {40, 60}, {10, 300.5f}, {20, 300.5f}});
    s.field.fillRows(s.trail, s.head);
    EXPECT_EQ(s.log.str(), "Fillrectangle...\n");
    EXPECT_EQ(columnsIn(s.field, 50, CPixelBuffer::CLAIMED), run(10, 19));
    std::vector<std::uint32_t> pairs = run(10, 19);
    for (std::uint32_t x = 30; x <= 39; ++x) pairs.push_back(x);
    EXPECT_EQ(columnsIn(s.field, 60, CPixelBuffer::CLAIMED), pairs);
    // Half-pixel rows take no part.
    EXPECT_EQ(countNot(s.field, CPixelBuffer::FREE), 10u + 20u);
}

TEST(VelmoraRowScan, SingleCrossingFillsTowardsTheSideNearerTheHead) {
    Scan s;
    s.points({{50, 70}});
    s.head.setPosition(0, 300);
    s.field.fillRows(s.trail, s.head);
    EXPECT_EQ(s.log.str(), "Fillrectangle...\nCumi 1....\nbal\n");
    EXPECT_EQ(columnsIn(s.field, 70, CPixelBuffer::CLAIMED), run(0, 49));

    Scan t;
    t.points({{50.5f, 70}});
    t.head.setPosition(300, 300);  // equally far from both sides
    t.field.fillRows(t.trail, t.head);
    EXPECT_EQ(t.log.str(), "Fillrectangle...\nCumi 1....\njobb\n");
    EXPECT_EQ(columnsIn(t.field, 70, CPixelBuffer::CLAIMED), run(50, 599));
}

TEST(VelmoraRowScan, OddCrossingsFillOverlappingPairs) {
    Scan s;
    s.points({{10, 80}, {20, 80}, {30, 80}});
    s.field.fillRows(s.trail, s.head);
    EXPECT_EQ(s.log.str(), "Fillrectangle...\nCumi 2....\nHitpointok...3\nHitpointok...3\nHitpointok...3\n");
    EXPECT_EQ(columnsIn(s.field, 80, CPixelBuffer::CLAIMED), run(10, 29));
}

TEST(VelmoraRowScan, TrailAlongTheRowClaimsTowardsTheSideOnlyAtANewEdge) {
    for (int headBorder : {CPixelBuffer::LEFT, CPixelBuffer::RIGHT}) {
        Scan s;
        s.points({{100, 90}, {200, 90}, {200.5f, 90}});  // the last two are one step apart
        s.head.setPosition(600, 300);
        s.head.setLastBorder(headBorder);
        ASSERT_TRUE(s.field.isOnBorder(s.head.getPosition()));  // arrival on the right edge
        s.field.fillRows(s.trail, s.head);
        EXPECT_EQ(columnsIn(s.field, 90, CPixelBuffer::CLAIMED), run(100, 199));
        const auto edge = columnsIn(s.field, 90, CPixelBuffer::EDGE_CLAIMED);
        if (headBorder == CPixelBuffer::RIGHT) {
            EXPECT_TRUE(edge.empty());
        } else {
            EXPECT_EQ(edge, run(200, 599));
        }
    }
}

TEST(VelmoraColumnScan, FillsByCrossingCount) {
    Scan s;
    s.points({{5, 19}, {5, 10},                        // two: blue
              {6, 10}, {6, 20}, {6, 30}, {6, 40},      // four: brown pairs
              {7, 10}, {7, 20}, {7, 30},               // three: nothing
              {7.5f, 10}, {7.5f, 20}});                // half-pixel column: nothing
    s.field.fillColumns(s.trail, s.head);
    EXPECT_EQ(s.log.str(), "Fillrectangle...vertically\n");
    EXPECT_EQ(rowsIn(s.field, 5, CPixelBuffer::COLUMN_PAIR), run(10, 18));
    std::vector<std::uint32_t> pairs = run(10, 19);
    for (std::uint32_t y = 30; y <= 39; ++y) pairs.push_back(y);
    EXPECT_EQ(rowsIn(s.field, 6, CPixelBuffer::COLUMN_PAIRS), pairs);
    EXPECT_EQ(countNot(s.field, CPixelBuffer::FREE), 9u + 20u);
}

TEST(VelmoraColumnScan, SingleCrossingFillsTowardsTheEdgeNearerTheHead) {
    Scan s;
    s.points({{40, 100}});
    s.head.setPosition(0, 10);
    s.field.fillColumns(s.trail, s.head);
    EXPECT_EQ(s.log.str(), "Fillrectangle...vertically\nCumi 1....\nfent\n");
    EXPECT_EQ(rowsIn(s.field, 40, CPixelBuffer::CLAIMED), run(0, 99));

    Scan t;
    t.points({{40, 100}});
    t.head.setPosition(0, 300);
    t.field.fillColumns(t.trail, t.head);
    EXPECT_EQ(t.log.str(), "Fillrectangle...vertically\nCumi 1....\nlent\n");
    EXPECT_EQ(rowsIn(t.field, 40, CPixelBuffer::CLAIMED), run(100, 599));
}

TEST(VelmoraRowScan, CrossingsFarOutsideTheFieldFillOnlyItsPixels) {
    Scan s;
    s.points({{-1e6f, 5}, {1e6f, 5}, {-2.5f, 6}, {3, 6}});
    s.field.fillRows(s.trail, s.head);
    EXPECT_EQ(columnsIn(s.field, 5, CPixelBuffer::CLAIMED), run(0, 599));
    EXPECT_EQ(columnsIn(s.field, 6, CPixelBuffer::CLAIMED), run(0, 2));
    EXPECT_EQ(countNot(s.field, CPixelBuffer::FREE), 603u);
}
