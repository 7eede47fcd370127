// The one board routine: the game's fields, the rules pictures and the trail clear, and the game's set-up.
#pragma once

#include <optional>

#include "model/feld.h"
#include "render/farbe.h"
#include "render/zeichenflaeche.h"

// What tells the boards apart; a rules picture's board is a few bare cells.
struct Brettart {
    int groesse = feldGroesse;       // cells along each side, from (0, 0)
    Farbe flaeche{};                 // the fill and the strips between the grid crosses
    std::optional<Farbe> schrift{};  // column letters and row numbers around the board
    bool titel = false;              // the game's name above the board
    // The fill is drawn with the pen the last drawing left instead of width
    // 1, so after a wide pen it reaches a little beyond the board; the grid
    // and the strips are drawn with width 1 either way.
    bool flaecheMitVorigemStift = false;
};

// A field's board in the game: 8 cells, labelled in the side's colour, the
// hidden one titled.
Brettart spielbrett(Seite seite);

// Board area, full grid lines, the strips that cut them back to crosses at
// the grid points with each column's and row's labels after its strips, then
// the title; on a surface already scaled to board units. Leaves the pen width at 1.
void brettZeichnen(Zeichenflaeche& flaeche, const Brettart& art);

// brettZeichnen with spielbrett(seite).
void spielfeldZeichnen(Zeichenflaeche& flaeche, Seite seite);

// Wipes the blind's notes: its background, the white grid, then the notes' pen.
void rolloWischen(Zeichenflaeche& rollo);

// The four surfaces' first state when the window opens: scales, boards and
// the blind's grid, one surface after the other.
void spielAufbauZeichnen(Zeichenflaeche& vorgabe, Zeichenflaeche& nachbau,
                         Zeichenflaeche& kompass, Zeichenflaeche& rollo);
