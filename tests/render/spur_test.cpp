// The trail line and the trail clear that draws the Nachbau field anew.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/spur.h"
#include "tests/render/aufzeichnungsflaeche.h"

namespace {

using Zeilen = std::vector<std::string>;

TEST(TrailDrawing, YellowLineWithPen1)
{
    Aufzeichnungsflaeche f;
    f.stiftbreiteSetzen(5);
    spurZeichnen(f, 2.5, 3.5, 2.5 + 4.0 / 12, 3.5);
    EXPECT_EQ(Zeilen(f.log.begin() + 1, f.log.end()),
              (Zeilen{"vordergrund (255,255,0)", "stift 1", "linie 2.5 3.5 2.83333 3.5 (255,255,0)"}));
}

TEST(TrailClear, BoardStillWithTheOldPenThenCellsColumnByColumn)
{
    Feld feld;
    feld(0, 1) = Katzenauge;
    Aufzeichnungsflaeche f;
    f.stiftbreiteSetzen(7);
    spurLoeschen(f, feld);
    EXPECT_EQ(Zeilen(f.log.begin() + 1, f.log.begin() + 4), (Zeilen{"leeren", "rechteck 0 0 8 8 (0,0,40)", "stift 1"}));
    Zeilen zellen;
    for (const std::string& z : f.log)
        if (z.starts_with("rechteck") && z.find(" 8 ") == std::string::npos)
            zellen.push_back(z);
    ASSERT_EQ(zellen.size(), 64u);
    EXPECT_EQ(zellen[1], "rechteck 0.1 1.1 0.9 1.9 (0,0,40)");
    EXPECT_EQ(zellen[8], "rechteck 1.1 0.1 1.9 0.9 (0,0,40)");
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "punkt 0.5 1.5 (255,0,0)"), 1);
}

} // namespace
