// Names of cells and border places as the board labels them.
#include <gtest/gtest.h>

#include "model/feld.h"
#include "model/ortsname.h"

TEST(PlaceNames, CellsAndBorderPlacesByTheBoardLabels)
{
    const struct { int x, y; const char* zelle; const char* ort; } faelle[] = {
        {2, 4, "c4", "im Feld c4"},  {0, 0, "a8", "im Feld a8"}, {7, 7, "h1", "im Feld h1"},
        {2, 8, "", "unten c"},       {5, -1, "", "oben f"},      {-1, 0, "", "links 8"},
        {8, 7, "", "rechts 1"},      {8, 8, "", ""},             {-1, -1, "", ""},
        {9, 3, "", ""},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zellenName(f.x, f.y), f.zelle) << f.x << "," << f.y;
        EXPECT_EQ(ortsName(f.x, f.y), f.ort) << f.x << "," << f.y;
    }
    // Every start place has a name of its own.
    EXPECT_EQ(ortsName(sondeAmRand(Rand::Unten, 2).x, sondeAmRand(Rand::Unten, 2).y), "unten c");
}
