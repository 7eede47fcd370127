// The keyboard cursor of a board: where it may stand, how the arrow keys move it, and what it names.
#pragma once

#include <string>

#include "model/feld.h"

// A place of a board: a cell (x, y in 0..7) or a start place of the border
// ring (x or y = -1 or 8, the other in 0..7). The ring's four corners are no
// place of the cursor. (0, 0) is the top-left cell a8.
struct Feldcursor {
    int x = 0;
    int y = 0;
    bool operator==(const Feldcursor&) const = default;
};

bool cursorplatz(int x, int y);

// One place on in direction r; where that is no place (beyond the ring, or
// a corner of it) the cursor stays. From a cell of the outer row or column
// it steps onto the start place beside it, and back.
Feldcursor cursorBewegen(Feldcursor c, Richtung r);

// What a screen reader says of the place: the board, the place as the
// labels name it, and what is there: "Nachbau d4: Katzenauge",
// "Vorgabe unten c: Startplatz", a locked border's place
// "Startplatz, gesperrt", and on a start place of either board the
// launches that started or came out there ("; Sonde 3 kam hier heraus").
// A hidden cell is only "Zelle" while the blind covers it: its content
// stays the player's to find out. The blind hangs from the top down to
// `rolloUnterkante` in field units; a cell whose middle lies below that
// edge is seen, and read as the model's cells are.
std::string cursorText(const Spielstand& s, Seite seite, Feldcursor c, double rolloUnterkante = feldGroesse);
