// The rule of one probe step, the same for the hidden and the model field but for the border.
#pragma once

#include "model/feld.h"

// What the border ring does to a probe that reaches it: the hidden field lets
// it leave the box and stand there, the model field sends it back the way it came.
enum class Randverhalten { Verlassen, Umkehren };

// One step as the rules alone decide it. At most one of `amRand`, `gefangen`
// and `kontakt` holds.
struct Schrittergebnis {
    Sonde sonde;                  // place and heading after the step
    bool zelleGeaendert = false;  // the cell left behind now holds `neuerCode`
    int zelleX = 0;
    int zelleY = 0;
    int neuerCode = 0;
    bool amRand = false;    // on the border ring: left the box standing, or turned back
    bool gefangen = false;  // a black hole holds it, standing
    bool kontakt = false;   // an object changed its heading
};

// Leaves the probe's cell (saying what the object turns into), moves one
// cell, then lets the border or the object there act. Writes nothing: the
// caller applies the result to its field and probe.
Schrittergebnis schrittRegel(const Feld& feld, const Sonde& p, Randverhalten rand);

// Writes a step's outcome into the field it ran in and into its probe: the
// cell left behind and the new place, then the heading. The animated steps
// show the move before the turn and so take the two halves apart.
void ortAnwenden(Feld& feld, Sonde& p, const Schrittergebnis& e);
void richtungAnwenden(Sonde& p, const Schrittergebnis& e);
void anwenden(Feld& feld, Sonde& p, const Schrittergebnis& e);
