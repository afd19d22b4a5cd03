#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "VelmoraGame/CGameManager.h"
#include "support/VelmoraReferenceScan.h"

namespace {
// Moves as letters L, R, U, D, each followed by a count of frames.
void play(CGameManager& game, const std::string& script) {
    std::istringstream in(script);
    char move;
    int frames;
    while (in >> move >> frames) {
        for (int i = 0; i < frames; ++i) {
            game.steer(move == 'L', move == 'R', move == 'U', move == 'D');
        }
    }
}

// Steers both games alike in straight legs towards random coordinates, a
// third of them on or just past an edge; a leg that starts on an edge leads
// back into the field, and a leg ends when the head runs into its trail.
// The first game decides the moves.
void playRandomGame(CGameManager& game, CGameManager& twin, unsigned seed) {
    std::mt19937 rng(seed);
    auto inside = [&rng] { return static_cast<float>(1 + rng() % 1199) / 2.0f; };
    const float edges[] = {-1.0f, 0.0f, 600.0f, 600.5f};
    for (int leg = 0; leg < 40; ++leg) {
        const CVector2 at = game.getHead().getPosition();
        const bool offX = at.x <= 0 || at.x >= 600, offY = at.y <= 0 || at.y >= 600;
        const bool alongX = offX || (!offY && rng() % 2);
        const float target = (offX || offY || rng() % 3) ? inside() : edges[rng() % 4];
        for (int frame = 0; frame < 1300; ++frame) {
            const CVector2 now = game.getHead().getPosition();
            const float delta = target - (alongX ? now.x : now.y);
            if (delta == 0) break;
            const bool left = alongX && delta < 0, right = alongX && delta > 0;
            const bool up = !alongX && delta > 0, down = !alongX && delta < 0;
            game.steer(left, right, up, down);
            twin.steer(left, right, up, down);
            if (game.getTrail().getPoints().empty()) break;
        }
    }
}

// The field as text: the colours used, then one line per row from y = 0,
// each a list of runs such as "F120 R1 Y479".
const std::map<char, CPixelBuffer::Rgb> PALETTE = {
    {'F', CPixelBuffer::FREE},         {'R', CPixelBuffer::TRAIL},
    {'Y', CPixelBuffer::CLAIMED},      {'G', CPixelBuffer::EDGE_CLAIMED},
    {'B', CPixelBuffer::COLUMN_PAIR},  {'M', CPixelBuffer::COLUMN_PAIRS}};

char letterOf(CPixelBuffer::Rgb c) {
    for (const auto& [letter, colour] : PALETTE)
        if (colour == c) return letter;
    return '?';
}

std::string encode(const CPixelBuffer& field) {
    std::ostringstream out;
    out << "velmora-field " << field.getWidth() << ' ' << field.getHeight() << '\n';
    for (std::uint32_t y = 0; y < field.getHeight(); ++y) {
        std::uint32_t x = 0;
        while (x < field.getWidth()) {
            const char letter = letterOf(field.getPixel(x, y));
            std::uint32_t end = x + 1;
            while (end < field.getWidth() && letterOf(field.getPixel(end, y)) == letter) ++end;
            out << (x ? " " : "") << letter << end - x;
            x = end;
        }
        out << '\n';
    }
    return out.str();
}

std::string goldenPath() {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("/unit/")) + "/data/velmora/scripted_game.rle";
}

// The scripted game: a box closed on the left edge, a step back onto the
// trail that erases it, a staircase from the top edge down to the bottom
// one, along the bottom edge, then a serpentine up to the top edge again.
const char* const SCRIPT =
    "R200 U200 L200 R1 R300 U400 R100 D300 R400 D200 L150 D350 L60 D350 "
    "R310 U100 R200 U100 L200 U100 R200 U100 L200 U800";
}  // namespace

TEST(VelmoraGame, IndexedFillsMatchTheFullScanOnRandomGames) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        CGameManager indexed;
        CGameManager reference(std::make_unique<VelmoraReferenceScan>());
        std::ostringstream indexedLog, referenceLog;
        indexed.getField().setOutput(indexedLog);
        reference.getField().setOutput(referenceLog);
        playRandomGame(indexed, reference, seed);
        ASSERT_NE(referenceLog.str().find("Fillrectangle"), std::string::npos) << seed;
        EXPECT_TRUE(indexed.getField().getPixels() == reference.getField().getPixels()) << seed;
        EXPECT_TRUE(indexedLog.str() == referenceLog.str()) << seed;
    }
}

TEST(VelmoraGame, ScriptedGameEndsOnTheStoredField) {
    CGameManager game;
    std::ostringstream log;
    game.getField().setOutput(log);
    play(game, SCRIPT);
    const std::string actual = encode(game.getField());
    if (std::getenv("KAVOR_UPDATE_GOLDEN")) std::ofstream(goldenPath()) << actual;

    std::ifstream file(goldenPath());
    ASSERT_TRUE(file) << "missing " << goldenPath();
    std::stringstream expected;
    expected << file.rdbuf();
    EXPECT_TRUE(actual == expected.str()) << "the field differs from " << goldenPath()
                                          << "; the field now:\n" << actual.substr(0, 4000);
    EXPECT_EQ(actual.find('?'), std::string::npos) << "a pixel of no known colour";
}
