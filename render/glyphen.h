// The glyphs that show a cell's object code.
#pragma once

#include "model/feld.h"
#include "render/zeichenflaeche.h"

// Erases the inside of cell (x, y) to the field's board colour and draws
// the glyph of `code` there. A code outside 0..11 draws nothing and leaves
// the pen as it is; codes 1-9 and 11 end with pen width 1, 0 and 10 keep
// the width they found.
void zelleZeichnen(Zeichenflaeche& flaeche, Seite seite, int code, int x, int y);
