// Cursor places, moves and texts.
#include "model/feldcursor.h"

#include "model/ansage.h"
#include "model/objektname.h"
#include "model/ortsname.h"

namespace {

bool aufDerAchse(int v) { return v >= 0 && v < feldGroesse; }

// The border a start place lies on.
Rand randDesPlatzes(Feldcursor c)
{
    if (c.x < 0)
        return Rand::Links;
    if (c.x >= feldGroesse)
        return Rand::Rechts;
    return c.y < 0 ? Rand::Oben : Rand::Unten;
}

} // namespace

bool cursorplatz(int x, int y)
{
    const auto amRand = [](int v) { return v == -1 || v == feldGroesse; };
    return (aufDerAchse(x) || amRand(x)) && (aufDerAchse(y) || amRand(y)) && !(amRand(x) && amRand(y));
}

Feldcursor cursorBewegen(Feldcursor c, Richtung r)
{
    const Feldcursor ziel{c.x + r.dx, c.y + r.dy};
    return cursorplatz(ziel.x, ziel.y) ? ziel : c;
}

std::string cursorText(const Spielstand& s, Seite seite, Feldcursor c, double rolloUnterkante)
{
    const bool vorgabe = seite == Seite::Vorgabe;
    std::string text = vorgabe ? "Vorgabe " : "Nachbau ";
    if (imFeld(c.x, c.y)) {
        text += zellenName(c.x, c.y) + ": ";
        const bool verdeckt = vorgabe && c.y + 0.5 < rolloUnterkante;
        text += verdeckt ? "Zelle" : objektName((vorgabe ? s.feldVorgabe : s.feldNachbau)(c.x, c.y));
    } else {
        text += ortsName(c.x, c.y) + ": Startplatz";
        if (!randFrei(s, randDesPlatzes(c)))
            text += ", gesperrt";
        if (const std::string laeufe = platzLaeufe(s, c.x, c.y); !laeufe.empty()) {
            text += "; ";
            text += laeufe;
        }
    }
    return text;
}
