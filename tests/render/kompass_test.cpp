// The compass: disc of fourteen rings, needle per direction, final pen and colour.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/kompass.h"
#include "tests/render/aufzeichnungsflaeche.h"

namespace {

using Zeilen = std::vector<std::string>;

TEST(Compass, FourteenWhiteRingsThenTheMagentaRing)
{
    Aufzeichnungsflaeche f;
    kompassZeigen(f, steht);
    const Zeilen& z = f.log;
    EXPECT_EQ(Zeilen(z.begin(), z.begin() + 3), (Zeilen{"leeren", "vordergrund (255,255,255)", "stift 6"}));
    std::size_t i = 3;
    while (i < z.size() && z[i].starts_with("kreis 0 0"))
        ++i;
    ASSERT_EQ(i - 3, 14u);
    EXPECT_EQ(z[3], "kreis 0 0 0 (255,255,255)");
    EXPECT_EQ(z[16], "kreis 0 0 1.3 (255,255,255)");
    EXPECT_EQ(Zeilen(z.begin() + 17, z.begin() + 21),
              (Zeilen{"vordergrund (0,0,0)", "stift 1", "vordergrund (128,0,128)", "kreis 0 0 1.5 (128,0,128)"}));
    EXPECT_EQ(f.vordergrund(), (Farbe{0, 0, 0}));
    EXPECT_EQ(f.stiftbreite(), 2);
    EXPECT_EQ(z.back(), "kreis 0 0 0.25 (0,0,0)");
}

struct NadelFall {
    const char* name;
    Richtung richtung;
    const char* spitze;
};

class Needle : public testing::TestWithParam<NadelFall> {};

TEST_P(Needle, ThreeStrokesEverThinnerToTheTip)
{
    Aufzeichnungsflaeche f;
    kompassZeigen(f, GetParam().richtung);
    Zeilen striche;
    for (const std::string& z : f.log)
        if (z.starts_with("linie"))
            striche.push_back(z);
    ASSERT_EQ(striche.size(), 3u);
    EXPECT_EQ(striche[2], std::string("linie 0 0 ") + GetParam().spitze + " (0,0,0)");
}

INSTANTIATE_TEST_SUITE_P(Headings, Needle, testing::Values(
    NadelFall{"North", nord, "0 -1"}, NadelFall{"East", ost, "1 0"}, NadelFall{"South", sued, "0 1"},
    NadelFall{"West", west, "-1 0"}, NadelFall{"Standing", steht, "0 0"}),
    [](const testing::TestParamInfo<NadelFall>& info) { return std::string(info.param.name); });

TEST(Compass, NeedleStepsByPen)
{
    Aufzeichnungsflaeche f;
    kompassZeigen(f, ost);
    const auto anfang = std::find(f.log.begin(), f.log.end(), "stift 5");
    ASSERT_LE(anfang + 6, f.log.end());
    EXPECT_EQ(Zeilen(anfang, anfang + 6), (Zeilen{"stift 5", "linie 0 0 0.6 0 (0,0,0)", "stift 3",
                                                 "linie 0 0 0.8 0 (0,0,0)", "stift 1", "linie 0 0 1 0 (0,0,0)"}));
}

} // namespace
