// The record of the player's hidden launches, and which of them the model field explains.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "model/feld.h"
#include "model/pruefen.h"
#include "model/sondenlauf.h"

// A launch under way: the row it will become, and when its box was given.
struct LaufendeBeobachtung {
    Beobachtung zeile;
    long long neueVorgaben = 0;
};

// The launches under way and the rows they become. A launch may begin while
// another runs, its handler run between two of the other's steps: both rows
// are then marked, and the inner one, begun last, ends first, so that a step
// always counts for the launch begun last.
class Laufbuch {
public:
    // Begins the row of a launch from the probe as it stands now.
    void beginnen(const Spielstand& s);
    // Counts one step of the launch begun last, and its contact.
    void schritt(bool kontakt);
    // The row of a launch that has ended, and whether the record took it in.
    struct Ende {
        Beobachtung zeile;
        bool aufgenommen = false;
    };
    // Ends the launch begun last: out on the border (the probe's place), held
    // by a black hole, or stopped, and adds its row. A run during which the
    // hidden field got new contents adds nothing: the list it belonged to is gone.
    Ende beenden(Spielstand& s, bool gefangen);
    bool laeuft() const { return !laufende_.empty(); }

private:
    std::vector<LaufendeBeobachtung> laufende_;
};

// A launch of the hidden probe from where it stands, as the player makes it:
// the run's flags cleared, then hidden steps until the probe leaves, is held
// or is stopped, every step recorded in `buch`. `vorSchritt` runs before each
// step (the window counts the step there).
Laufbuch::Ende vorgabeLaufen(Spielstand& s, Laufbuch& buch, SondenAnzeige& anzeige,
                            const std::function<void()>& vorSchritt = {});

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
