// The game's look in one place: every colour and measure that more than one file uses.
#pragma once

#include "render/farbe.h"

// Boards: the margin ring of the hidden and the model field, the model
// field's board, the grid marks and the title letters.
inline constexpr Farbe randVorgabe{64, 64, 64};
inline constexpr Farbe randNachbau{128, 128, 128};
inline constexpr Farbe farbeNachbau{0, 0, 40};
inline constexpr Farbe gitterFarbe{0, 200, 255};
inline constexpr Farbe titelFarbe{200, 200, 200};

// The game's yellow: glyph dots, the probe markers and the trail (palette
// colour 14), the launch picture's ball, the small icon.
inline constexpr Farbe spielGelb = paletteFarbe(14);

// Glyphs, on the board and in the legend.
inline constexpr Farbe glyphBlau{0, 0, 255};
inline constexpr Farbe glyphRot{255, 0, 0};
inline constexpr Farbe glyphGelb = spielGelb;
inline constexpr Farbe blassBlau{150, 150, 255};
inline constexpr Farbe mittelBlau{100, 100, 255};
inline constexpr Farbe falltuerOliv{200, 200, 0};

// The probe markers: yellow while placed, white on the exit place.
inline constexpr Farbe markerGelb = spielGelb;
inline constexpr Farbe markerAusgangWeiss{255, 255, 255};
inline constexpr Farbe markerRand{0, 0, 64};

// The roller blind: its teal with white grid and notes, the teal of its
// wipe button once the game is set up, and the start picture's teal.
inline constexpr Farbe rolloTuerkis{0, 150, 150};
inline constexpr Farbe rolloWeiss{255, 255, 255};
inline constexpr Farbe rolloKnopfTuerkis{0, 220, 220};

// The border switches: green for an open border, white for a locked one;
// the bottom switch's lighter green before the set-up recolours it.
inline constexpr Farbe randschalterFrei{0, 220, 0};
inline constexpr Farbe randschalterGesperrt{255, 255, 255};
inline constexpr Farbe randschalterAnfang{128, 255, 128};

// The window: its two grey lines and the red buttons that clear a field.
inline constexpr Farbe fensterLinienGrau{128, 128, 128};
inline constexpr Farbe loeschKnopfRot{255, 0, 0};

// The keyboard cursor's frame: magenta between two black lines, so that it
// stands out on both boards, their margins, the blind and its white notes.
inline constexpr Farbe cursorFarbe{255, 0, 255};
inline constexpr Farbe cursorKontur{0, 0, 0};

// The launches' marks on the hidden board's ring, by the model's verdict:
// bright enough on the ring's grey, and apart from its grey labels.
inline constexpr Farbe markeStimmt{90, 230, 90};
inline constexpr Farbe markeWeichtAb{255, 110, 90};
inline constexpr Farbe markeOffen{150, 190, 255};

// The blind's travel: its scroll bar runs 1..78, a tenth of a field unit per step.
inline constexpr int rolloWeg = 78;
