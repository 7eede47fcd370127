// What the field operations, the file reader and the generator ask of a display: one cell redrawn.
#pragma once

#include "model/feld.h"

class ZellenAnzeige {
public:
    virtual ~ZellenAnzeige() = default;
    // Redraws the glyph of cell (x, y) of a field from its new code.
    virtual void zelleZeichnen(Seite seite, int code, int x, int y) = 0;
};
