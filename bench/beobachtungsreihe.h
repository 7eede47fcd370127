// A record of launches for the benchmarks, made without a window.
#pragma once

#include <vector>

#include "model/beobachtungen.h"
#include "model/feldoperationen.h"
#include "model/pruefen.h"

// A display that shows nothing and never waits.
struct StilleAnzeige : SondenAnzeige {
    void zelleGeaendert(Seite, int, int, int) override {}
    void vorgabeNeu() override {}
    void ereignisseAbarbeiten() override {}
    void warten(int) override {}
    void markerSchieben(Seite, double, double) override {}
    void spurZeichnen(double, double, double, double) override {}
    void kompassZeigen(Richtung) override {}
    void ortZeigen(int, int) override {}
    void markerAusgang() override {}
    void ton(int, int) override {}
    int geschwindigkeit() override { return 10; }
    bool tonAn() override { return false; }
    bool spurAn() override { return false; }
};

// 200 launches into `kiste` as a player makes them, every start place in
// turn, every fifth launch stopped after a few steps and the next one going
// on from there, and every fiftieth followed by reopening.
inline std::vector<Beobachtung> beobachtungsreihe(const Feld& kiste)
{
    Spielstand s;
    s.feldVorgabe = kiste;
    vorgabeGegeben(s);
    Laufbuch buch;
    StilleAnzeige anzeige;
    for (int k = 0; k < 200; ++k) {
        if (k % 5 != 1)
            s.sondeVorgabe = startplaetze()[static_cast<std::size_t>(k * 7 % anzahlStartplaetze)];
        // A loop is stopped after 2000 steps: half a minute at the top speed.
        long long bisHalt = k % 5 == 0 ? 3 : 2000;
        vorgabeLaufen(s, buch, anzeige, [&s, &bisHalt] {
            if (--bisHalt == 0)
                s.abbruchVorgabe = 1;
        });
        if (k % 50 == 49)
            vorgabeWiederherstellen(s, anzeige);
    }
    return s.beobachtungen;
}
