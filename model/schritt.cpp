// The two step operations and the hidden step's rules. Both operations read the
// state afresh after letting events run, since a handler run there may have
// moved the probe or changed a field.
#include "model/schritt.h"

#include <algorithm>
#include <optional>

#include "model/objektregeln.h"

int pauseNachSchritt(int geschwindigkeit)
{
    return 101 - 10 * std::clamp(geschwindigkeit, 1, 10);
}

namespace {

// The code the probe's cell changes to as the probe leaves it; nothing on
// the border or when the object stays as it is.
std::optional<int> codeBeimVerlassen(const Feld& feld, const Sonde& p)
{
    if (!imFeld(p.x, p.y))
        return std::nullopt;
    const int alt = feld(p.x, p.y);
    const int neu = codeNachVerlassen(alt, p.richtung());
    return neu != alt ? std::optional<int>(neu) : std::nullopt;
}

// Writes the change an object undergoes once the probe has left its cell.
void verlassen(Feld& feld, Seite seite, const Sonde& p, SondenAnzeige& anzeige)
{
    if (const auto neu = codeBeimVerlassen(feld, p)) {
        feld(p.x, p.y) = *neu;
        anzeige.zelleZeichnen(seite, *neu, p.x, p.y);
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

Schrittergebnis verborgenerSchritt(const Feld& feld, const Sonde& p)
{
    Schrittergebnis e;
    if (const auto neu = codeBeimVerlassen(feld, p)) {
        e.zelleGeaendert = true;
        e.zelleX = p.x;
        e.zelleY = p.y;
        e.neuerCode = *neu;
    }

    Sonde& q = e.sonde;
    q = {p.x + p.dx, p.y + p.dy, p.dx, p.dy};
    if (!imFeld(q.x, q.y)) {
        e.ausgang = true;
        if (!imFeld(q.x, 0))  // left or right of the box
            q.dx = 0;
        else
            q.dy = 0;
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

Schrittergebnis schrittVorgabe(Spielstand& s, SondenAnzeige& anzeige)
{
    anzeige.ereignisseAbarbeiten();
    Sonde& p = s.sondeVorgabe;

    markerGleiten(Seite::Vorgabe, p, anzeige, false);
    const Schrittergebnis e = verborgenerSchritt(s.feldVorgabe, p);

    // Written in the order the display sees them: the redrawn cell, then the
    // new place, then per outcome the marker, flag, tone and heading.
    if (e.zelleGeaendert) {
        s.feldVorgabe(e.zelleX, e.zelleY) = e.neuerCode;
        anzeige.zelleZeichnen(Seite::Vorgabe, e.neuerCode, e.zelleX, e.zelleY);
    }
    p.x = e.sonde.x;
    p.y = e.sonde.y;

    if (e.ausgang) {
        anzeige.markerAusgang();
        p.dx = e.sonde.dx;
        p.dy = e.sonde.dy;
        s.ausgangVorgabe = 1;
        anzeige.ton(kontaktTonHz, kontaktTonMs);
    } else if (e.gefangen) {
        s.abbruchVorgabe = 1;
        anzeige.ton(lochTonHz, lochTonMs);
        p.dx = p.dy = 0;
    } else if (e.kontakt) {
        p.dx = e.sonde.dx;
        p.dy = e.sonde.dy;
        if (anzeige.tonAn())
            anzeige.ton(kontaktTonHz, kontaktTonMs);
    }

    anzeige.warten(pauseNachSchritt(anzeige.geschwindigkeit()));
    return e;
}
