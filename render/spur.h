// The model probe's trail on the Nachbau field and its removal.
#pragma once

#include "model/feld.h"
#include "render/zeichenflaeche.h"

// One yellow trail line in field units, pen width 1.
void spurZeichnen(Zeichenflaeche& flaeche, double x1, double y1, double x2, double y2);

// Empties the Nachbau picture and draws its board and all 64 glyphs anew.
// The board fill still uses the pen the last drawing left, so after a wide
// pen it reaches a little beyond the board.
void spurLoeschen(Zeichenflaeche& flaeche, const Feld& feldNachbau);
