// A display that records every call as one line of text, for pinning call sequences.
#pragma once

#include <string>
#include <vector>

#include "model/sondenlauf.h"

class Aufzeichnung : public SondenAnzeige {
public:
    std::vector<std::string> aufrufe;
    int tempo = 10;
    bool tonSchalter = true;
    bool spurSchalter = false;

    void ereignisseAbarbeiten() override;
    void warten(int millisekunden) override;
    void markerSchieben(Seite seite, double ddx, double ddy) override;
    void spurZeichnen(double x1, double y1, double x2, double y2) override;
    void zelleGeaendert(Seite seite, int code, int x, int y) override;
    void vorgabeNeu() override;
    void kompassZeigen(Richtung r) override;
    void ortZeigen(int x, int y) override;
    void markerAusgang() override;
    void ton(int hertz, int millisekunden) override;
    int geschwindigkeit() override;
    bool tonAn() override;
    bool spurAn() override;

    // The recorded lines that start with `praefix`.
    std::vector<std::string> nur(const std::string& praefix) const;
};
