// One step of a probe through the hidden field or through the model field.
#pragma once

#include "model/feld.h"
#include "model/sondenanzeige.h"

inline constexpr int teilschritte = 12;
inline constexpr int kontaktTonHz = 360;
inline constexpr int kontaktTonMs = 100;
inline constexpr int lochTonHz = 240;
inline constexpr int lochTonMs = 1000;

// The pause after a step at speed 1..10: 91 ms down to 1 ms.
int pauseNachSchritt(int geschwindigkeit);

// One step of the hidden probe as the rules alone decide it. At most one of
// `ausgang`, `gefangen` and `kontakt` holds.
struct Schrittergebnis {
    Sonde sonde;                  // place and heading after the step
    bool zelleGeaendert = false;  // the cell left behind now holds `neuerCode`
    int zelleX = 0;
    int zelleY = 0;
    int neuerCode = 0;
    bool ausgang = false;   // stopped on the border ring, standing
    bool gefangen = false;  // a black hole holds it, standing
    bool kontakt = false;   // an object changed its heading
};

// Leaves the probe's cell (writing what the object turns into), moves one
// cell, then stops at the border or lets the object there act. Writes nothing:
// the caller applies the result to its field and probe.
Schrittergebnis verborgenerSchritt(const Feld& feld, const Sonde& p);

// The hidden field: the probe leaves the box at the border (exit flag, white
// marker) and only the sound switch decides whether contacts sound. Returns
// what the rules decided, for the run's own record.
Schrittergebnis schrittVorgabe(Spielstand& s, SondenAnzeige& anzeige);

// The model field: the probe turns back at the border, every tone sounds, the
// compass, position boxes and trail follow it.
void schrittNachbau(Spielstand& s, SondenAnzeige& anzeige);
