// Field units, the zones of a field picture, marker places and the colours by field.
#pragma once

#include "model/feld.h"
#include "render/aussehen.h"

// A field picture spans -1..9 on both axes: the 8 x 8 board from 0 to 8 and
// a one-unit margin ring around it. y grows downwards.
inline constexpr double feldRandMin = -1.0;
inline constexpr double feldRandMax = 9.0;

enum class Zonenart { Keine, Zelle, Links, Rechts, Oben, Unten };

// Where a point of the picture lies. (x, y) is the place it stands for: the
// cell, or the start place in the margin ring (x = -1 or 8 for the left and
// right zones, y = -1 or 8 for the top and bottom ones). (0, 0) for Keine.
struct Zone {
    Zonenart art = Zonenart::Keine;
    int x = 0;
    int y = 0;

    bool operator==(const Zone&) const = default;
};

// All comparisons are strict: the corners of the ring and the lines
// X = 0, X = 8, Y = 0, Y = 8 belong to no zone.
Zone zoneBei(double x, double y);

// Where the mark of a border place is centred, in field units: clear of the
// probe marker standing there (markerLage), so that the newest exit shows
// beside the white marker, of the labels beside the field, of the title
// above it and of the blind's scroll bar on the left. Above the marker on
// the left and right borders, left of it on the top and bottom ones.
struct Markenmitte {
    double x = 0;
    double y = 0;
};
Markenmitte markenMitte(int x, int y);
// The marks' text height, in field units.
inline constexpr double markenHoehe = 0.23;

// The probe marker is placed by the top-left corner of its box, 17 x 25
// pixels at the design size of 44 pixels per unit.
inline constexpr double markerBreite = 17.0 / 44.0;
inline constexpr double markerHoehe = 25.0 / 44.0;

struct Markerlage {
    double links = 0.0;
    double oben = 0.0;

    bool operator==(const Markerlage&) const = default;
};

// The marker of a probe at place (x, y), a cell or a start place.
constexpr Markerlage markerLage(int x, int y) { return {x + 0.35, y + 0.25}; }

// Where the markers wait before a start place is chosen: the corners (-1, 8)
// and (8, 8).
inline constexpr Markerlage markerParkplatzNachbau = markerLage(-1, feldGroesse);
inline constexpr Markerlage markerParkplatzVorgabe = markerLage(feldGroesse, feldGroesse);

// The margin ring's colour.
Farbe hintergrundFarbe(Seite seite);
// The board area and the gaps between the grid marks; also what a glyph
// erases its cell to.
Farbe brettFarbe(Seite seite);
Farbe beschriftungsFarbe(Seite seite);

