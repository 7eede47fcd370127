// What a screen reader is told when something ends that a sighted player sees: a launch's outcome,
// where the model probe stands, a border switch's state, and what happened at a start place.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/beobachtungen.h"
#include "model/feld.h"

// A hidden launch as the record holds it, in the record window's words:
// "Sonde 3: oben c, 9 Schritte, 1 Kontakt; dein Nachbau stimmt". `nummer` is
// the row's number from 1, nothing for a launch the record dropped; `stimmt`
// whether the model agrees, nothing where the record cannot tell.
std::string laufAnsage(const Beobachtung& b, std::optional<std::size_t> nummer, std::optional<bool> stimmt);

// The model probe after a step: "Nachbau: Sonde auf d4, nach Norden", on a
// border place turned back into the box, held by a black hole, or standing.
std::string nachbauAnsage(const Sonde& sonde, bool gefangen);

// A border switch's new state: "linker Rand: offen", "oberer Rand: gesperrt";
// the bottom border is always open.
std::string randAnsage(Rand rand, bool frei);

// The launches that started or came out at the border place (x, y), each
// after "; ", with the model's verdict from `nachspiele` (nachspielen):
// "; Sonde 3: hier hinein, oben c heraus, 9 Schritte, 1 Kontakt, stimmt",
// "; Sonde 4: links 2 hinein, hier heraus, ...". Empty for a cell and where
// nothing happened.
std::string platzGeschichte(const std::vector<Beobachtung>& zeilen, const std::vector<Nachspiel>& nachspiele, int x,
                            int y);

// The same of the game's record against its model, without the first "; ":
// what the help line shows at a marked place. Empty where nothing happened,
// and then the record is not replayed.
std::string platzLaeufe(const Spielstand& s, int x, int y);

// How a launch ended, in the record's words: the exit place ("oben c"),
// "schwarzes Loch" or "angehalten".
std::string endeText(const Beobachtung& b);

// A run's end with its counts, as the record and the screen reader say it:
// "rechts 4, 10 Schritte, 1 Kontakt".
std::string laufText(const std::string& ende, long long schritte, long long kontakte);
