// One step of a probe through the hidden field or through the model field.
#pragma once

#include "model/feld.h"
#include "model/sondenanzeige.h"

inline constexpr int teilschritte = 12;
inline constexpr int kontaktTonHz = 360;
inline constexpr int kontaktTonMs = 100;
inline constexpr int lochTonHz = 240;
inline constexpr int lochTonMs = 1000;

// The pause after a step at speed 1..10: 91 ms down to 1 ms.
int pauseNachSchritt(int geschwindigkeit);

// The hidden field: the probe leaves the box at the border (exit flag, white
// marker) and only the sound switch decides whether contacts sound.
void schrittVorgabe(Spielstand& s, SondenAnzeige& anzeige);

// The model field: the probe turns back at the border, every tone sounds, the
// compass, position boxes and trail follow it.
void schrittNachbau(Spielstand& s, SondenAnzeige& anzeige);
