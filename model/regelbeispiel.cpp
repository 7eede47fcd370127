// The examples of the rules pictures, computed with the hidden step's own rules.
#include "model/regelbeispiel.h"

#include "model/schrittregel.h"

namespace {

// The example field lies inside a full field, away from its border, so that
// the hidden step never sees the box's edge: the example's ring (-1 and 3)
// falls on the full field's cells 1 and 5, which stay empty.
constexpr int versatz = 2;

// More steps than a probe can make past one object in 3 x 3 cells; only a
// broken rule could need them.
constexpr int schrittGrenze = 4 * beispielGroesse * beispielGroesse;

bool bewegt(Richtung r) { return r == nord || r == ost || r == sued || r == west; }

bool imBeispiel(int x, int y) { return x >= 0 && x < beispielGroesse && y >= 0 && y < beispielGroesse; }

} // namespace

Ort beispielStart(Richtung richtung)
{
    // One place before the middle cell, against the heading.
    return {beispielMitte - richtung.dx * (beispielMitte + 1), beispielMitte - richtung.dy * (beispielMitte + 1)};
}

Regelbeispiel regelbeispiel(int code, Richtung richtung)
{
    Regelbeispiel b;
    b.code = code;
    b.richtung = richtung;
    b.codeDanach = code;
    if (!gueltigerCode(code) || !bewegt(richtung))
        return b;

    Feld feld;
    feld(versatz + beispielMitte, versatz + beispielMitte) = code;
    const Ort start = beispielStart(richtung);
    Sonde p{versatz + start.x, versatz + start.y, richtung.dx, richtung.dy};
    b.weg.push_back(start);

    for (int n = 0; n < schrittGrenze; ++n) {
        const Schrittergebnis e = schrittRegel(feld, p, Randverhalten::Verlassen);
        anwenden(feld, p, e);
        b.weg.push_back({p.x - versatz, p.y - versatz});
        if (e.kontakt)
            ++b.kontakte;
        if (e.gefangen) {
            b.ende = Regelbeispiel::Ende::Festgehalten;
            break;
        }
        if (!imBeispiel(p.x - versatz, p.y - versatz)) {
            b.ausgangsRichtung = p.richtung();
            break;
        }
    }
    b.codeDanach = feld(versatz + beispielMitte, versatz + beispielMitte);
    return b;
}
