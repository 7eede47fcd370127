// The compass that shows the model probe's heading.
#pragma once

#include "model/feld.h"
#include "render/zeichenflaeche.h"

// The compass surface runs from -kompassRand to +kompassRand on both axes,
// centre (0, 0), y downwards.
inline constexpr double kompassRand = 1.55;

// Redraws the whole compass: white disc, magenta ring, the letters W O N S,
// a needle towards `richtung` (none for a standing probe) and the hub.
// Leaves foreground black and pen width 2.
void kompassZeigen(Zeichenflaeche& flaeche, Richtung richtung);
