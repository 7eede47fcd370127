// The record's launches as marks on the hidden board's border ring: where, which number, which look, which verdict.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "model/beobachtungen.h"

// A launch that came out is marked at its start and at its exit place; one
// held by a black hole or stopped only at its start, each with a look of its
// own. A launch that went on from inside the box has no start place.
struct Randmarke {
    int x = 0;  // the border place, as Beobachtung's places
    int y = 0;
    std::size_t nummer = 0;  // the row's number, from 1
    Beobachtung::Ende ende = Beobachtung::Ende::Ausgang;
    // Whether the model agrees with the row; nothing where the record cannot tell.
    std::optional<bool> stimmt;
    bool operator==(const Randmarke&) const = default;
};

// One mark per border place, of the latest row that began or came out there,
// in the order of the places' first use. `nachspiele` belongs to `zeilen`
// (nachspielen); a shorter one leaves the later rows without a verdict.
std::vector<Randmarke> randmarken(const std::vector<Beobachtung>& zeilen, const std::vector<Nachspiel>& nachspiele);

// Whether a row began at the border place (x, y), or came out there.
bool beganAmPlatz(const Beobachtung& b, int x, int y);
bool kamAmPlatzHeraus(const Beobachtung& b, int x, int y);

// The rows that began or came out at the border place (x, y), oldest first, as indices into the record.
std::vector<std::size_t> laeufeAmPlatz(const std::vector<Beobachtung>& zeilen, int x, int y);
