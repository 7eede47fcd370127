// The record of the player's hidden launches, and which of them the model field explains.
#pragma once

#include <optional>
#include <vector>

#include "model/feld.h"
#include "model/pruefen.h"

// A launch under way: the row it will become, and when its box was given.
struct LaufendeBeobachtung {
    Beobachtung zeile;
    long long neueVorgaben = 0;
};

// Begins the row of a launch from the probe as it stands now.
LaufendeBeobachtung beobachtungBeginnen(const Spielstand& s);

// Counts one step of the run and its contact, from the step's result.
void schrittBeobachten(LaufendeBeobachtung& lauf, bool kontakt);

// The row of a run that has just ended: out on the border (the probe's
// place), held by a black hole, or stopped.
Beobachtung beobachtungAbschliessen(const Spielstand& s, Beobachtung zeile, bool gefangen);

// Ends the run and adds its row; true when it was added. A run during which
// the hidden field got new contents adds nothing: the list it belonged to is gone.
bool beobachtungBeenden(Spielstand& s, LaufendeBeobachtung lauf, bool gefangen);

// One row held against the model.
struct Nachspiel {
    // Nothing when the row cannot be compared: another launch ran in its
    // middle, the box was reopened in it, or such a row came before it on the
    // same box, so that nobody knows what the box held when it began.
    std::optional<bool> stimmt;
    // The model's run for a compared row. For a stopped row that the model
    // runs on as long: `Endlos` with the steps and contacts made until then.
    Laufausgang nachbau;
};

// Runs a copy of the model through the record's launches in their order, with
// the hidden step's rules, from the same places: the model's trapdoors close
// and its mirrors turn as the launches closed and turned the box's. Every row
// whose box was reopened before it begins again from the model as it stands.
// A stopped row is replayed for exactly its steps and agrees when the model's
// probe has not ended by then either. A model run that never ends goes on to
// the next row with the field it had after the row's own number of steps.
std::vector<Nachspiel> nachspielen(const std::vector<Beobachtung>& zeilen, const Feld& nachbau);
