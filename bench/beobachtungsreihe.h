// A record of launches for the benchmarks, made without a window.
#pragma once

#include <vector>

#include "model/pruefen.h"
#include "model/schrittregel.h"

// 200 launches into `kiste` as a player makes them, every start place in
// turn, every fifth launch stopped after a few steps and the next one going
// on from there, and every fiftieth followed by reopening.
inline std::vector<Beobachtung> beobachtungsreihe(const Feld& kiste)
{
    std::vector<Beobachtung> zeilen;
    Feld feld = kiste;
    Sonde p{};
    long long wieder = 0;
    for (int k = 0; k < 200; ++k) {
        if (k % 5 != 1)
            p = startplaetze()[static_cast<std::size_t>(k * 7 % anzahlStartplaetze)];
        Beobachtung b;
        b.start = p;
        b.wiederhergestellt = wieder;
        // A loop is stopped after 2000 steps: half a minute at the top speed.
        const long long halt = k % 5 == 0 ? 3 : 2000;
        for (;;) {
            const Schrittergebnis e = schrittRegel(feld, p, Randverhalten::Verlassen);
            ++b.schritte;
            b.kontakte += e.kontakt;
            if (e.zelleGeaendert)
                feld(e.zelleX, e.zelleY) = e.neuerCode;
            p = e.sonde;
            if (e.amRand) {
                b.ende = Beobachtung::Ende::Ausgang;
                b.endeX = p.x;
                b.endeY = p.y;
                break;
            }
            if (e.gefangen) {
                b.ende = Beobachtung::Ende::Loch;
                break;
            }
            if (b.schritte == halt)
                break;  // stopped, or a run without end
        }
        zeilen.push_back(b);
        if (k % 50 == 49) {
            feld = kiste;
            ++wieder;
        }
    }
    return zeilen;
}

