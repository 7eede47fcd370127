// The rules pictures: an example field with its object and the probe's path, and the object afterwards.
#pragma once

#include "model/regelbeispiel.h"
#include "render/zeichenflaeche.h"

// A rules picture spans -0.75..3.75 on both axes: the 3 x 3 example cells
// from 0 to 3 and enough of the border ring around them for the start and
// exit places' centres and markers. The pens are sized for `regelbildZelle`
// pixels per unit, so the picture is meant to be regelbildSeite pixels square.
inline constexpr double regelbildMin = -0.75;
inline constexpr double regelbildMax = beispielGroesse + 0.75;
inline constexpr int regelbildZelle = 36;
inline constexpr int regelbildSeite = static_cast<int>((regelbildMax - regelbildMin) * regelbildZelle);

// The picture of the object after the probe passed spans -0.25..1.25: the
// one cell (0, 0) with a narrow margin.
inline constexpr double danachbildMin = -0.25;
inline constexpr double danachbildMax = 1.25;
inline constexpr int danachbildSeite = static_cast<int>((danachbildMax - danachbildMin) * regelbildZelle);

// Empties the surface and draws the example as the model field would show
// it: board and grid marks; the probe's path as trail lines from place
// centre to place centre; over it the object's glyph as it stood before the
// probe came, its cell erased so that the object shows whole; the start
// place as the yellow probe marker and the exit place as the white one, side
// by side when the probe comes out where it went in. A held probe gets no
// exit marker. Sets the scale; leaves the pen at width 1.
void regelbildZeichnen(Zeichenflaeche& flaeche, const Regelbeispiel& beispiel);

// Empties the surface and draws the middle cell alone, holding the code the
// object has after the probe passed. Sets the scale.
void danachbildZeichnen(Zeichenflaeche& flaeche, const Regelbeispiel& beispiel);
