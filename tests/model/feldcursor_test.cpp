// The keyboard cursor: its places and its moves onto and along the border ring.
#include <gtest/gtest.h>

#include "model/feld.h"
#include "model/feldcursor.h"

TEST(Feldcursor, ArrowsStepBetweenCellsAndStartPlacesAndStopAtTheEnds)
{
    const struct { Feldcursor von; Richtung r; Feldcursor nach; } faelle[] = {
        {{0, 0}, nord, {0, -1}}, {{0, 0}, west, {-1, 0}}, {{0, 8}, nord, {0, 7}},  // onto the ring and back
        {{-1, 3}, sued, {-1, 4}},                                                 // along it
        {{-1, 0}, nord, {-1, 0}}, {{7, 8}, ost, {7, 8}},                          // corners are skipped
        {{-1, 5}, west, {-1, 5}}, {{3, 8}, sued, {3, 8}},                         // nothing beyond the ring
    };
    for (const auto& f : faelle)
        EXPECT_EQ(cursorBewegen(f.von, f.r), f.nach) << f.von.x << "," << f.von.y << " by " << f.r.dx << "," << f.r.dy;

    // The cursor reaches exactly the 64 cells and 32 start places.
    int plaetze = 0;
    for (int x = -2; x <= 9; ++x)
        for (int y = -2; y <= 9; ++y)
            plaetze += cursorplatz(x, y);
    EXPECT_EQ(plaetze, 64 + 32);
}
