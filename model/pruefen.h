// Comparing the model field with the hidden field by how probes run through them.
#pragma once

#include <array>

#include "model/feld.h"

// How a run of the hidden probe ends, as far as the player can tell it apart:
// `x`, `y` only for an exit, `schritte` and `kontakte` not for an endless run
// (unused members stay 0, so == compares exactly the observable outcome).
struct Laufausgang {
    enum class Art { Ausgang, Loch, Endlos };

    Art art = Art::Ausgang;
    int x = 0;  // the border place it stops on
    int y = 0;
    long long schritte = 0;  // the step onto the exit place or the hole included
    long long kontakte = 0;  // heading changes by objects
    bool operator==(const Laufausgang&) const = default;
};

inline constexpr int anzahlStartplaetze = 4 * feldGroesse;

// Left border top to bottom, right, top left to right, bottom: each place
// heading into the box.
const std::array<Sonde, anzahlStartplaetze>& startplaetze();

// Runs the hidden step's rules from `start` on its own copy of `feld` until
// the probe leaves the box, is held, or comes back to a place, heading and
// field it had before.
Laufausgang verborgenerLauf(Feld feld, Sonde start);

struct Pruefung {
    // Indexed like startplaetze().
    std::array<Laufausgang, anzahlStartplaetze> vorgabe;
    std::array<Laufausgang, anzahlStartplaetze> nachbau;
    int gleich = 0;  // start places with equal outcomes
};

// Every start place, whatever the permissions, run on fresh copies of both fields.
Pruefung pruefen(const Feld& vorgabe, const Feld& nachbau);

// The player's check: the box as given, whatever the launches have closed or
// turned since, against the model, and counted towards the score.
Pruefung vorgabePruefen(Spielstand& s);
