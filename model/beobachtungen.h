// The record of the player's hidden launches, and which of them the model field explains.
#pragma once

#include <optional>
#include <vector>

#include "model/feld.h"

// A launch under way: the row it will become, and when its box was given.
struct LaufendeBeobachtung {
    Beobachtung zeile;
    long long neueVorgaben = 0;
};

// Begins the row of a launch from the probe as it stands now.
LaufendeBeobachtung beobachtungBeginnen(const Spielstand& s);

// Counts one step of the run and its contact, from the step's result.
void schrittBeobachten(LaufendeBeobachtung& lauf, bool kontakt);

// Ends the run: out on the border (the probe's place), held by a black hole,
// or stopped, and adds its row. A run during which the hidden field got new
// contents adds nothing: the list it belonged to is gone.
void beobachtungBeenden(Spielstand& s, LaufendeBeobachtung lauf, bool gefangen);

// Whether a row can be held against the model: a probe placed on the border
// heading in, launched into the box as given, that ran to its end by itself
// with no other launch in its middle.
bool vergleichbar(const Beobachtung& b);

// For every row, whether the model field, run with the hidden step's rules
// from the row's start on a fresh copy, gives the same end, steps and
// contacts; nothing for rows that cannot be compared.
std::vector<std::optional<bool>> erklaert(const std::vector<Beobachtung>& zeilen, const Feld& nachbau);
