// The two step operations. Both read the state afresh after letting events
// run, since a handler run there may have moved the probe or changed a field.
#include "model/schritt.h"

#include <algorithm>

#include "model/objektregeln.h"

int pauseNachSchritt(int geschwindigkeit)
{
    return 101 - 10 * std::clamp(geschwindigkeit, 1, 10);
}

namespace {

// Writes the change an object undergoes once the probe has left its cell.
void verlassen(Feld& feld, Seite seite, const Sonde& p, SondenAnzeige& anzeige)
{
    if (!imFeld(p.x, p.y))
        return;
    const int alt = feld(p.x, p.y);
    const int neu = codeNachVerlassen(alt, p.richtung());
    if (neu != alt) {
        feld(p.x, p.y) = neu;
        anzeige.zelleZeichnen(seite, neu, p.x, p.y);
    }
}

void markerGleiten(Seite seite, const Sonde& p, SondenAnzeige& anzeige, bool mitSpur)
{
    for (int k = 1; k <= teilschritte; ++k) {
        anzeige.warten(1);
        anzeige.markerSchieben(seite, p.dx / double(teilschritte), p.dy / double(teilschritte));
        if (mitSpur && anzeige.spurAn()) {
            anzeige.spurZeichnen(p.x + 0.5, p.y + 0.5, p.x + k * p.dx / double(teilschritte) + 0.5,
                                 p.y + k * p.dy / double(teilschritte) + 0.5);
        }
    }
}

} // namespace

void schrittNachbau(Spielstand& s, SondenAnzeige& anzeige)
{
    anzeige.ereignisseAbarbeiten();
    Sonde& p = s.sondeNachbau;

    markerGleiten(Seite::Nachbau, p, anzeige, true);
    verlassen(s.feldNachbau, Seite::Nachbau, p, anzeige);

    p.x += p.dx;
    p.y += p.dy;
    anzeige.ortZeigen(p.x, p.y);

    if (!imFeld(p.x, p.y)) {
        if (!imFeld(p.x, 0))  // left or right of the box
            p.dx = -p.dx;
        else
            p.dy = -p.dy;
        anzeige.kompassZeigen(p.richtung());
        anzeige.ton(kontaktTonHz, kontaktTonMs);
    } else {
        const Wirkung w = objektWirkung(s.feldNachbau(p.x, p.y), p.richtung());
        if (w.gefangen) {
            anzeige.ton(lochTonHz, lochTonMs);
            p.dx = p.dy = 0;
            s.lochNachbau = 1;
            anzeige.kompassZeigen(p.richtung());
        } else if (w.richtung != p.richtung()) {
            p.dx = w.richtung.dx;
            p.dy = w.richtung.dy;
            anzeige.kompassZeigen(p.richtung());
            anzeige.ton(kontaktTonHz, kontaktTonMs);
        }
    }

    anzeige.warten(pauseNachSchritt(anzeige.geschwindigkeit()));
}

void schrittVorgabe(Spielstand& s, SondenAnzeige& anzeige)
{
    anzeige.ereignisseAbarbeiten();
    Sonde& p = s.sondeVorgabe;

    markerGleiten(Seite::Vorgabe, p, anzeige, false);
    verlassen(s.feldVorgabe, Seite::Vorgabe, p, anzeige);

    p.x += p.dx;
    p.y += p.dy;

    if (!imFeld(p.x, p.y)) {
        anzeige.markerAusgang();
        if (!imFeld(p.x, 0))  // left or right of the box
            p.dx = 0;
        else
            p.dy = 0;
        s.ausgangVorgabe = 1;
        anzeige.ton(kontaktTonHz, kontaktTonMs);
    } else {
        const Wirkung w = objektWirkung(s.feldVorgabe(p.x, p.y), p.richtung());
        if (w.gefangen) {
            s.abbruchVorgabe = 1;
            anzeige.ton(lochTonHz, lochTonMs);
            p.dx = p.dy = 0;
        } else if (w.richtung != p.richtung()) {
            p.dx = w.richtung.dx;
            p.dy = w.richtung.dy;
            if (anzeige.tonAn())
                anzeige.ton(kontaktTonHz, kontaktTonMs);
        }
    }

    anzeige.warten(pauseNachSchritt(anzeige.geschwindigkeit()));
}
