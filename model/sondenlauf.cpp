// The animated probe steps: the marker slides, then the rule's outcome is
// written and shown. Both read the state afresh after letting events run,
// since a handler run there may have moved the probe or changed a field; the
// probe and the flags change between the display calls just where a handler
// run during a tone or pause sees them change.
#include "model/sondenlauf.h"

#include <algorithm>

int pauseNachSchritt(int geschwindigkeit)
{
    return 101 - 10 * std::clamp(geschwindigkeit, 1, 10);
}

namespace {

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

// The cell left behind, shown, and the new place; the heading is the caller's.
void zelleUndOrt(Feld& feld, Seite seite, Sonde& p, const Schrittergebnis& e, SondenAnzeige& anzeige)
{
    ortAnwenden(feld, p, e);
    if (e.zelleGeaendert)
        anzeige.zelleGeaendert(seite, e.neuerCode, e.zelleX, e.zelleY);
}

} // namespace

void schrittNachbau(Spielstand& s, SondenAnzeige& anzeige)
{
    anzeige.ereignisseAbarbeiten();
    Sonde& p = s.sondeNachbau;

    markerGleiten(Seite::Nachbau, p, anzeige, true);
    const Schrittergebnis e = schrittRegel(s.feldNachbau, p, Randverhalten::Umkehren);
    zelleUndOrt(s.feldNachbau, Seite::Nachbau, p, e, anzeige);
    anzeige.ortZeigen(p.x, p.y);

    if (e.amRand || e.kontakt) {
        richtungAnwenden(p, e);
        anzeige.kompassZeigen(p.richtung());
        anzeige.ton(kontaktTonHz, kontaktTonMs);
    } else if (e.gefangen) {
        anzeige.ton(lochTonHz, lochTonMs);
        richtungAnwenden(p, e);
        s.lochNachbau = 1;
        anzeige.kompassZeigen(p.richtung());
    }

    anzeige.warten(pauseNachSchritt(anzeige.geschwindigkeit()));
}

Schrittergebnis schrittVorgabe(Spielstand& s, SondenAnzeige& anzeige)
{
    anzeige.ereignisseAbarbeiten();
    Sonde& p = s.sondeVorgabe;

    markerGleiten(Seite::Vorgabe, p, anzeige, false);
    const Schrittergebnis e = schrittRegel(s.feldVorgabe, p, Randverhalten::Verlassen);
    zelleUndOrt(s.feldVorgabe, Seite::Vorgabe, p, e, anzeige);

    if (e.amRand) {
        anzeige.markerAusgang();
        richtungAnwenden(p, e);
        s.ausgangVorgabe = 1;
        anzeige.ton(kontaktTonHz, kontaktTonMs);
    } else if (e.gefangen) {
        s.abbruchVorgabe = 1;
        anzeige.ton(lochTonHz, lochTonMs);
        richtungAnwenden(p, e);
    } else if (e.kontakt) {
        richtungAnwenden(p, e);
        if (anzeige.tonAn())
            anzeige.ton(kontaktTonHz, kontaktTonMs);
    }

    anzeige.warten(pauseNachSchritt(anzeige.geschwindigkeit()));
    return e;
}
