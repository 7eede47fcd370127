// The two animated probe steps and the display they report to: slides, trail, tones, pauses.
#pragma once

#include "model/feld.h"
#include "model/schrittregel.h"
#include "model/zellenanzeige.h"

inline constexpr int teilschritte = 12;
inline constexpr int kontaktTonHz = 360;
inline constexpr int kontaktTonMs = 100;
inline constexpr int lochTonHz = 240;
inline constexpr int lochTonMs = 1000;

// The pause after a step at speed 1..10: 91 ms down to 1 ms.
int pauseNachSchritt(int geschwindigkeit);

// What a probe step asks of the window: events, pauses, drawing, tones. A
// step also redraws the cells it changes, so it needs a cell display too.
class SondenAnzeige : public ZellenAnzeige {
public:

    // Lets pending window events run; other handlers may change the game state here.
    virtual void ereignisseAbarbeiten() = 0;
    virtual void warten(int millisekunden) = 0;
    // Moves the field's probe marker by (ddx, ddy) cells from where it stands.
    virtual void markerSchieben(Seite seite, double ddx, double ddy) = 0;
    // A trail line on the model field, in field units.
    virtual void spurZeichnen(double x1, double y1, double x2, double y2) = 0;
    virtual void kompassZeigen(Richtung r) = 0;
    virtual void ortZeigen(int x, int y) = 0;
    // Paints the hidden probe's marker white at its exit place.
    virtual void markerAusgang() = 0;
    // Plays a tone and returns once it has ended.
    virtual void ton(int hertz, int millisekunden) = 0;
    // The speed setting 1..10.
    virtual int geschwindigkeit() = 0;
    virtual bool tonAn() = 0;
    virtual bool spurAn() = 0;
};

// The hidden field: the probe leaves the box at the border (exit flag, white
// marker) and only the sound switch decides whether contacts sound. Returns
// what the rules decided, for the run's own record.
Schrittergebnis schrittVorgabe(Spielstand& s, SondenAnzeige& anzeige);

// The model field: the probe turns back at the border, every tone sounds, the
// compass, position boxes and trail follow it.
void schrittNachbau(Spielstand& s, SondenAnzeige& anzeige);
