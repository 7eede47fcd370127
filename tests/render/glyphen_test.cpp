// The glyph rules no picture holds: what an unknown code does, the pen a glyph leaves, the spiral's course.
#include <climits>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "render/geometrie.h"
#include "render/glyphen.h"
#include "tests/render/aufzeichnungsflaeche.h"

namespace {

constexpr int fremderStift = 4;

// Draws the glyph on a surface whose pen is 4; returns how many drawing
// calls it made and, in `stiftDanach`, the pen it left.
std::size_t glyphe(int code, int* stiftDanach)
{
    Aufzeichnungsflaeche f;
    f.stiftbreiteSetzen(fremderStift);
    zelleZeichnen(f, Seite::Nachbau, code, 3, 3);
    *stiftDanach = f.stiftbreite();
    return f.log.size();
}

// A glyph's pixels are held by the glyph sheets; the pen it leaves shows only
// in what is drawn after it, which the sheets fix to one order.
TEST(CellDrawing, InvalidCodeDrawsNothingAndEveryCodeLeavesItsPen)
{
    for (int code : {12, -1, INT_MIN}) {
        int stift = 0;
        EXPECT_EQ(glyphe(code, &stift), 0u) << code;
        EXPECT_EQ(stift, fremderStift) << code;
    }
    for (int code = 0; code < anzahlCodes; ++code) {
        int stift = 0;
        glyphe(code, &stift);
        EXPECT_EQ(stift, code == Leer || code == SchwarzesLoch ? fremderStift : 1) << code;
    }
}

TEST(BlackHole, WhiteInTheMiddleToDarkRedOutside)
{
    const std::vector<SpiralPunkt>& p = spiralPunkte();
    ASSERT_EQ(p.size(), 2400u);
    EXPECT_DOUBLE_EQ(p.front().a, 0.5);
    EXPECT_DOUBLE_EQ(p.front().b, 0.5);
    EXPECT_EQ(p.front().farbe, (Farbe{255, 255, 255}));
    EXPECT_EQ(p.back().farbe, (Farbe{255, 15, 15}));
    EXPECT_NEAR(std::hypot(p.back().a - 0.5, p.back().b - 0.5), 0.4, 0.002);
    // t = 0.05 gives 254.5, which goes to the even 254; rounding half up would keep 255.
    EXPECT_EQ(p[5].farbe.g, 254);
    for (std::size_t i = 1; i < p.size(); ++i) {
        ASSERT_EQ(p[i].farbe.r, 255) << i;
        ASSERT_EQ(p[i].farbe.b, p[i].farbe.g) << i;
        ASSERT_LE(p[i].farbe.g, p[i - 1].farbe.g) << i;
    }
}

TEST(BlackHole, LeavesTheCentreDownwardsAndTurnsClockwise)
{
    // t near 0, pi/2, pi and 3pi/2: below, left of, above and right of the centre.
    const std::vector<SpiralPunkt>& p = spiralPunkte();
    EXPECT_GT(p.at(10).b, 0.5);
    EXPECT_LT(p.at(157).a, 0.5);
    EXPECT_LT(p.at(314).b, 0.5);
    EXPECT_GT(p.at(471).a, 0.5);
}

} // namespace
