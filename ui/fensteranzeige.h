// The window's side of the probe display: what a step asks of the window, done with its controls.
#pragma once

#include "model/sondenlauf.h"

class Form1;

// Owned by the window and living as long as it; holds no state of its own.
class Fensteranzeige final : public SondenAnzeige {
public:
    explicit Fensteranzeige(Form1& fenster) : f_(fenster) {}

    void ereignisseAbarbeiten() override;
    void warten(int millisekunden) override;
    void markerSchieben(Seite seite, double ddx, double ddy) override;
    void spurZeichnen(double x1, double y1, double x2, double y2) override;
    void zelleZeichnen(Seite seite, int code, int x, int y) override;
    void kompassZeigen(Richtung r) override;
    void ortZeigen(int x, int y) override;
    void markerAusgang() override;
    void ton(int hertz, int millisekunden) override;
    int geschwindigkeit() override;
    bool tonAn() override;
    bool spurAn() override;

private:
    Form1& f_;
};
