// The keyboard cursor: its places, its moves onto and along the border ring, and what it names.
#include <gtest/gtest.h>

#include "model/feld.h"
#include "model/feldcursor.h"

TEST(Feldcursor, ArrowsStepBetweenCellsAndStartPlacesAndStopAtTheEnds)
{
    const struct { Feldcursor von; Richtung r; Feldcursor nach; } faelle[] = {
        {{0, 0}, ost, {1, 0}},   {{0, 0}, nord, {0, -1}},  {{0, 0}, west, {-1, 0}},  // a8 onto "oben a", "links 8"
        {{0, 7}, sued, {0, 8}},  {{0, 8}, nord, {0, 7}},   {{7, 3}, ost, {8, 3}},    // and back
        {{-1, 3}, sued, {-1, 4}}, {{5, 8}, west, {4, 8}},                            // along the ring
        {{-1, 0}, nord, {-1, 0}}, {{0, -1}, west, {0, -1}}, {{7, 8}, ost, {7, 8}},   // corners are skipped
        {{8, 7}, sued, {8, 7}},  {{-1, 5}, west, {-1, 5}}, {{3, 8}, sued, {3, 8}},   // nothing beyond the ring
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

TEST(Feldcursor, TextNamesPlaceAndModelContentButNeverAHiddenCell)
{
    Spielstand s;
    s.feldNachbau(3, 4) = Katzenauge;
    s.feldNachbau(7, 7) = HalbspiegelSO;
    EXPECT_EQ(cursorText(s, Seite::Nachbau, {3, 4}), "Nachbau d4: Katzenauge");
    EXPECT_EQ(cursorText(s, Seite::Nachbau, {0, 0}), "Nachbau a8: leer");
    EXPECT_EQ(cursorText(s, Seite::Nachbau, {7, 7}), "Nachbau h1: Halbdurchlässiger Spiegel, spiegelt unten rechts");
    EXPECT_EQ(cursorText(s, Seite::Vorgabe, {2, 8}), "Vorgabe unten c: Startplatz");
    EXPECT_EQ(cursorText(s, Seite::Nachbau, {-1, 0}), "Nachbau links 8: Startplatz, gesperrt");
    randFreigabeUmschalten(s, Rand::Links);
    EXPECT_EQ(cursorText(s, Seite::Nachbau, {-1, 0}), "Nachbau links 8: Startplatz");
    EXPECT_EQ(cursorText(s, Seite::Vorgabe, {8, 0}), "Vorgabe rechts 8: Startplatz, gesperrt");

    for (int code = 0; code < anzahlCodes; ++code) {
        s.feldVorgabe(3, 4) = code;
        EXPECT_EQ(cursorText(s, Seite::Vorgabe, {3, 4}), "Vorgabe d4: Zelle") << code;
    }
}
