// What a probe step asks of the window: events, pauses, drawing, tones.
#pragma once

#include "model/feld.h"
#include "model/zellenanzeige.h"

// A step also redraws the cells it changes, so it needs a cell display too.
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
