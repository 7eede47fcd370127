// The glyph drawing: exact sequences of a few glyphs, the pen rule and the spiral.
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/geometrie.h"
#include "render/glyphen.h"
#include "tests/render/aufzeichnungsflaeche.h"

namespace {

using Zeilen = std::vector<std::string>;

constexpr int fremderStift = 4;

// What the glyph adds to the log of a surface whose pen is 4.
Zeilen glyphe(Seite seite, int code, int x, int y, int* stiftDanach = nullptr)
{
    Aufzeichnungsflaeche f;
    f.stiftbreiteSetzen(fremderStift);
    zelleZeichnen(f, seite, code, x, y);
    if (stiftDanach)
        *stiftDanach = f.stiftbreite();
    return Zeilen(f.log.begin() + 1, f.log.end());
}

TEST(CellDrawing, CatsEyeTrapdoorAndEmpty)
{
    EXPECT_EQ(glyphe(Seite::Vorgabe, Katzenauge, 2, 5),
              (Zeilen{"stift 3", "rechteck 2.1 5.1 2.9 5.9 (0,0,0)", "linie 2.8 5.2 2.2 5.8 (0,0,255)",
                      "linie 2.2 5.2 2.8 5.8 (0,0,255)", "stift 5", "punkt 2.5 5.5 (255,0,0)", "stift 1"}));
    EXPECT_EQ(glyphe(Seite::Nachbau, Falltuer, 7, 0),
              (Zeilen{"stift 2", "rechteck 7.1 0.1 7.9 0.9 (0,0,40)", "linie 7.8 0.2 7.2 0.8 (200,200,0)",
                      "linie 7.2 0.2 7.8 0.8 (200,200,0)", "rechteck 7.3 0.3 7.7 0.7 (0,0,0)", "stift 1"}));
    EXPECT_EQ(glyphe(Seite::Nachbau, Leer, 0, 7), Zeilen{"rechteck 0.1 7.1 0.9 7.9 (0,0,40)"});
}

TEST(CellDrawing, InvalidCodeDrawsNothingAndKeepsThePen)
{
    for (int code : {12, -1, INT_MIN}) {
        int stift = 0;
        EXPECT_TRUE(glyphe(Seite::Vorgabe, code, 3, 3, &stift).empty()) << code;
        EXPECT_EQ(stift, fremderStift) << code;
    }
}

TEST(CellDrawing, PenAfterEveryCode)
{
    for (int code = 0; code < anzahlCodes; ++code) {
        int stift = 0;
        glyphe(Seite::Nachbau, code, 1, 1, &stift);
        EXPECT_EQ(stift, code == Leer || code == SchwarzesLoch ? fremderStift : 1) << code;
    }
}

struct Spiralpunkt {
    double x = 0, y = 0;
    int g = 0;
};

std::vector<Spiralpunkt> spirale(int x, int y)
{
    std::vector<Spiralpunkt> punkte;
    for (const std::string& z : glyphe(Seite::Vorgabe, SchwarzesLoch, x, y)) {
        Spiralpunkt p;
        if (std::sscanf(z.c_str(), "punkt %lf %lf (255,%d,", &p.x, &p.y, &p.g) == 3)
            punkte.push_back(p);
    }
    return punkte;
}

TEST(BlackHole, WhiteInTheMiddleToDarkRedOutside)
{
    const auto p = spirale(1, 2);
    ASSERT_EQ(p.size(), 2400u);
    EXPECT_EQ(glyphe(Seite::Vorgabe, SchwarzesLoch, 1, 2).size(), 2401u) << "nur Loeschen und Punkte";
    EXPECT_DOUBLE_EQ(p.front().x, 1.5);
    EXPECT_DOUBLE_EQ(p.front().y, 2.5);
    EXPECT_EQ(p.front().g, 255);
    EXPECT_EQ(p.back().g, 15);
    EXPECT_NEAR(std::hypot(p.back().x - 1.5, p.back().y - 2.5), 0.4, 0.002);
    // t = 0.05 gives 254.5, which goes to the even 254; rounding half up would keep 255.
    EXPECT_EQ(p[5].g, 254);
    for (std::size_t i = 1; i < p.size(); ++i)
        ASSERT_LE(p[i].g, p[i - 1].g) << i;
}

TEST(BlackHole, LeavesTheCentreDownwardsAndTurnsClockwise)
{
    // t near 0, pi/2, pi and 3pi/2: below, left of, above and right of the centre.
    const auto p = spirale(3, 3);
    EXPECT_GT(p.at(10).y, 3.5);
    EXPECT_LT(p.at(157).x, 3.5);
    EXPECT_LT(p.at(314).y, 3.5);
    EXPECT_GT(p.at(471).x, 3.5);
}

} // namespace
