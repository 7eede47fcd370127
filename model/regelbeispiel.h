// The example a rules picture shows: one object, one probe, run by the hidden step's rules.
#pragma once

#include <vector>

#include "model/feld.h"

// An example field is 3 x 3 cells with the object in the middle cell (1, 1)
// and every other cell empty. Places are given in the example field's own
// coordinates: cells 0..2, the border ring -1 and 3 holds the start and exit
// places. The probe starts on the border place straight in front of the
// object, in the middle of the side it comes from.
inline constexpr int beispielGroesse = 3;
inline constexpr int beispielMitte = 1;

struct Ort {
    int x = 0;
    int y = 0;
    bool operator==(const Ort&) const = default;
};

struct Regelbeispiel {
    enum class Ende { Verlassen, Festgehalten };

    int code = Leer;    // the object before the probe came
    Richtung richtung;  // the probe's heading at the start
    // Every place the probe stood on, the start place first; two places in a
    // row are neighbours. Empty only for an unusable code or heading.
    std::vector<Ort> weg;
    // Verlassen: weg.back() is the border place it left by, heading
    // `ausgangsRichtung`. Festgehalten: a black hole holds it at weg.back().
    Ende ende = Ende::Verlassen;
    Richtung ausgangsRichtung;
    int codeDanach = Leer;  // what the middle cell holds once the probe is gone
    int kontakte = 0;       // changes of heading, each of which sounds the contact tone

    bool operator==(const Regelbeispiel&) const = default;
};

// The start place of a probe heading `richtung` into the example field.
Ort beispielStart(Richtung richtung);

// Runs a probe heading `richtung` (nord, ost, sued or west) into the example
// field holding `code` in its middle, step by step with schrittRegel,
// until it stands on the border ring or is held. A code outside 0..11 or a
// standing heading gives an example with an empty path.
Regelbeispiel regelbeispiel(int code, Richtung richtung);
