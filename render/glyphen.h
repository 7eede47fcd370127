// The glyphs that show a cell's object code.
#pragma once

#include <vector>

#include "model/feld.h"
#include "render/zeichenflaeche.h"

// One stroke of a glyph in cell units: (0, 0) is the cell's top-left corner,
// (1, 1) its bottom-right one. The board and the legend pictures both draw
// from these, so every object's shape is defined here alone.
struct GlyphStrich {
    enum class Art { Linie, Punkt, Rechteck };
    Art art = Art::Linie;
    double a1 = 0.0;  // a point uses only (a1, b1)
    double b1 = 0.0;
    double a2 = 0.0;
    double b2 = 0.0;
    Farbe farbe{};
    int stift = 1;  // the pen width on the board, in pixels
};

// The strokes of the glyph of `code` in drawing order; none for the empty
// cell, the black hole (see spiralPunkte) and unknown codes.
std::vector<GlyphStrich> glyphStriche(int code);

// The black hole: a spiral of points from the centre outwards, white to dark
// red, in cell units, each drawn as a dot of the pen in force.
struct SpiralPunkt {
    double a = 0.0;
    double b = 0.0;
    Farbe farbe{};
};
const std::vector<SpiralPunkt>& spiralPunkte();

// Erases the inside of cell (x, y) to the field's board colour and draws
// the glyph of `code` there. A code outside 0..11 draws nothing and leaves
// the pen as it is; codes 1-9 and 11 end with pen width 1, 0 and 10 keep
// the width they found.
void zelleZeichnen(Zeichenflaeche& flaeche, Seite seite, int code, int x, int y);
