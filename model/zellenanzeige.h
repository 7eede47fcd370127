// What the field operations, the file reader and the generator tell a display: a cell changed, a box was given.
#pragma once

#include "model/feld.h"

class ZellenAnzeige {
public:
    virtual ~ZellenAnzeige() = default;
    // Cell (x, y) of a field has the new code `code`.
    virtual void zelleGeaendert(Seite seite, int code, int x, int y) = 0;
    // The hidden field got new contents, which are now the box as given.
    virtual void vorgabeNeu() = 0;
};

// The hidden field got new contents: they become the box as given, and the display is told.
inline void vorgabeGegeben(Spielstand& s, ZellenAnzeige& anzeige)
{
    vorgabeGegeben(s);
    anzeige.vorgabeNeu();
}
