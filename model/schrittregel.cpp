// The step rule: the object left behind changes, the probe moves, the border or an object acts.
#include "model/schrittregel.h"

#include "model/objektregeln.h"

Schrittergebnis schrittRegel(const Feld& feld, const Sonde& p, Randverhalten rand)
{
    Schrittergebnis e;
    if (imFeld(p.x, p.y)) {
        const int alt = feld(p.x, p.y);
        const int neu = codeNachVerlassen(alt, p.richtung());
        if (neu != alt) {
            e.zelleGeaendert = true;
            e.zelleX = p.x;
            e.zelleY = p.y;
            e.neuerCode = neu;
        }
    }

    Sonde& q = e.sonde;
    q = {p.x + p.dx, p.y + p.dy, p.dx, p.dy};
    if (!imFeld(q.x, q.y)) {
        e.amRand = true;
        // Left or right of the box the border acts on dx, above or below on
        // dy; a probe standing there keeps standing either way.
        int& quer = imFeld(q.x, 0) ? q.dy : q.dx;
        quer = rand == Randverhalten::Verlassen ? 0 : -quer;
        return e;
    }
    // A standing probe enters the cell it left, which it sees already changed.
    const bool dieselbe = e.zelleGeaendert && q.x == e.zelleX && q.y == e.zelleY;
    const Wirkung w = objektWirkung(dieselbe ? e.neuerCode : feld(q.x, q.y), q.richtung());
    if (w.gefangen) {
        e.gefangen = true;
        q.dx = q.dy = 0;
    } else if (w.richtung != q.richtung()) {
        e.kontakt = true;
        q.dx = w.richtung.dx;
        q.dy = w.richtung.dy;
    }
    return e;
}

void ortAnwenden(Feld& feld, Sonde& p, const Schrittergebnis& e)
{
    if (e.zelleGeaendert)
        feld(e.zelleX, e.zelleY) = e.neuerCode;
    p.x = e.sonde.x;
    p.y = e.sonde.y;
}

void richtungAnwenden(Sonde& p, const Schrittergebnis& e)
{
    p.dx = e.sonde.dx;
    p.dy = e.sonde.dy;
}

void anwenden(Feld& feld, Sonde& p, const Schrittergebnis& e)
{
    ortAnwenden(feld, p, e);
    richtungAnwenden(p, e);
}
