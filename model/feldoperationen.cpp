// Whole-field operations, all built on one cell-by-cell transfer.
#include "model/feldoperationen.h"

void feldUebertragen(Feld& ziel, const Feld* quelle, Seite seite, ZellenAnzeige& anzeige)
{
    for (int x = 0; x < feldGroesse; ++x) {
        for (int y = 0; y < feldGroesse; ++y) {
            // Read per cell: the source may be the target's own copy.
            ziel(x, y) = quelle ? (*quelle)(x, y) : Leer;
            anzeige.zelleGeaendert(seite, ziel(x, y), x, y);
        }
    }
}

void nachbauLoeschen(Spielstand& s, ZellenAnzeige& anzeige)
{
    feldUebertragen(s.feldNachbau, nullptr, Seite::Nachbau, anzeige);
}

void vorgabeLoeschen(Spielstand& s, ZellenAnzeige& anzeige)
{
    feldUebertragen(s.feldVorgabe, nullptr, Seite::Vorgabe, anzeige);
    vorgabeGegeben(s, anzeige);
}

void linksNachRechts(Spielstand& s, ZellenAnzeige& anzeige)
{
    feldUebertragen(s.feldNachbau, &s.feldVorgabe, Seite::Nachbau, anzeige);
}

void rechtsNachLinks(Spielstand& s, ZellenAnzeige& anzeige)
{
    feldUebertragen(s.feldVorgabe, &s.feldNachbau, Seite::Vorgabe, anzeige);
    vorgabeGegeben(s, anzeige);
}

void vorgabeWiederherstellen(Spielstand& s, ZellenAnzeige& anzeige)
{
    feldUebertragen(s.feldVorgabe, &s.feldVorgabeKopie, Seite::Vorgabe, anzeige);
    ++s.wiederherstellungen;
}
