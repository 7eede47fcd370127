// What an object does to a probe that enters its cell.
#pragma once

#include "model/feld.h"

struct Wirkung {
    Richtung richtung;      // heading after the cell; unchanged when the object lets it pass
    bool gefangen = false;  // a black hole holds the probe
};

// The outcome of entering a cell holding `code` with heading `r`.
Wirkung objektWirkung(int code, Richtung r);

// The code a cell holds after the probe left it heading `r`: a trapdoor closes
// into a cat's eye, a rotating mirror that reflected turns by 90 degrees.
int codeNachVerlassen(int code, Richtung r);
