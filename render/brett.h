// The board of a field picture and the drawing part of the game's set-up.
#pragma once

#include "model/feld.h"
#include "render/zeichenflaeche.h"

// Board area, grid marks, labels and (Vorgabe only) the title, on a surface
// already scaled to field units. Leaves the pen width at 1.
void spielfeldZeichnen(Zeichenflaeche& flaeche, Seite seite);

// The board without its first fill: grid, strips, labels and title with pen
// width 1, which the caller has set.
void brettOhneFlaecheZeichnen(Zeichenflaeche& flaeche, Seite seite);

// Fills the board area in the board colour with whatever pen is in force.
void brettFlaecheFuellen(Zeichenflaeche& flaeche, Seite seite);

// Wipes the blind's notes: its background, the white grid, then the notes' pen.
void rolloWischen(Zeichenflaeche& rollo);

// The four surfaces' first state when the window opens: scales, boards and
// the blind's grid, drawn pass by pass over all of them.
void spielAufbauZeichnen(Zeichenflaeche& vorgabe, Zeichenflaeche& nachbau,
                         Zeichenflaeche& kompass, Zeichenflaeche& rollo);
