// Recording launches and replaying them, in their order, on a copy of the model field.
#include "model/beobachtungen.h"

#include "model/schrittregel.h"

void Laufbuch::beginnen(const Spielstand& s)
{
    LaufendeBeobachtung& lauf = laufende_.emplace_back();
    lauf.zeile.start = s.sondeVorgabe;
    lauf.zeile.wiederhergestellt = s.wiederherstellungen;
    lauf.neueVorgaben = s.neueVorgaben;
    if (laufende_.size() > 1)
        for (LaufendeBeobachtung& l : laufende_)
            l.zeile.verschachtelt = true;
}

void Laufbuch::schritt(bool kontakt)
{
    if (laufende_.empty())
        return;
    Beobachtung& b = laufende_.back().zeile;
    ++b.schritte;
    if (kontakt)
        ++b.kontakte;
}

Laufbuch::Ende Laufbuch::beenden(Spielstand& s, bool gefangen)
{
    if (laufende_.empty())
        return {};
    LaufendeBeobachtung lauf = std::move(laufende_.back());
    laufende_.pop_back();
    Ende ende{lauf.zeile, lauf.neueVorgaben == s.neueVorgaben};
    Beobachtung& b = ende.zeile;
    if (s.ausgangVorgabe) {
        b.ende = Beobachtung::Ende::Ausgang;
        b.endeX = s.sondeVorgabe.x;
        b.endeY = s.sondeVorgabe.y;
    } else {
        b.ende = gefangen ? Beobachtung::Ende::Loch : Beobachtung::Ende::Angehalten;
    }
    // The next row begins on the box this run left, reopened or not.
    b.unterbrochen = b.wiederhergestellt != s.wiederherstellungen;
    b.wiederhergestellt = s.wiederherstellungen;
    if (ende.aufgenommen)
        s.beobachtungen.push_back(b);
    return ende;
}

Laufbuch::Ende vorgabeLaufen(Spielstand& s, Laufbuch& buch, SondenAnzeige& anzeige,
                            const std::function<void()>& vorSchritt)
{
    vorgabeStarten(s);
    buch.beginnen(s);
    bool gefangen = false;
    do {
        if (vorSchritt)
            vorSchritt();
        const Schrittergebnis e = schrittVorgabe(s, anzeige);
        buch.schritt(e.kontakt);
        gefangen = e.gefangen;
    } while (s.ausgangVorgabe == 0 && s.abbruchVorgabe == 0);
    return buch.beenden(s, gefangen);
}

namespace {

// Up to `hoechstens` steps of the hidden rules from `p`, written into `feld`;
// `Endlos` when the probe has not ended by then.
Laufausgang laufen(Feld& feld, Sonde p, long long hoechstens)
{
    Laufausgang a{Laufausgang::Art::Endlos, 0, 0, 0, 0};
    while (a.schritte < hoechstens) {
        const Schrittergebnis e = schrittRegel(feld, p, Randverhalten::Verlassen);
        ++a.schritte;
        anwenden(feld, p, e);
        if (e.amRand)
            return {Laufausgang::Art::Ausgang, p.x, p.y, a.schritte, a.kontakte};
        if (e.gefangen)
            return {Laufausgang::Art::Loch, 0, 0, a.schritte, a.kontakte};
        a.kontakte += e.kontakt;
    }
    return a;
}

Laufausgang gesehen(const Beobachtung& b)
{
    if (b.ende == Beobachtung::Ende::Ausgang)
        return {Laufausgang::Art::Ausgang, b.endeX, b.endeY, b.schritte, b.kontakte};
    return {Laufausgang::Art::Loch, 0, 0, b.schritte, b.kontakte};
}

} // namespace

std::vector<Nachspiel> nachspielen(const std::vector<Beobachtung>& zeilen, const Feld& nachbau)
{
    std::vector<Nachspiel> ergebnis;
    ergebnis.reserve(zeilen.size());
    Feld feld = nachbau;
    bool bekannt = true;  // `feld` is the model as the rows so far left it
    long long kasten = zeilen.empty() ? 0 : zeilen.front().wiederhergestellt;
    for (const Beobachtung& b : zeilen) {
        Nachspiel& n = ergebnis.emplace_back();
        if (b.wiederhergestellt != kasten) {
            kasten = b.wiederhergestellt;
            feld = nachbau;
            bekannt = true;
        }
        if (b.verschachtelt || b.unterbrochen)
            bekannt = false;
        if (!bekannt)
            continue;
        if (b.ende == Beobachtung::Ende::Angehalten) {
            n.nachbau = laufen(feld, b.start, b.schritte);
            n.stimmt = n.nachbau.art == Laufausgang::Art::Endlos;
            continue;
        }
        // The outcome first, with the check's cycle search; then the field
        // it leaves, by as many steps as the run took, or the row's own.
        n.nachbau = verborgenerLauf(feld, b.start);
        n.stimmt = n.nachbau == gesehen(b);
        laufen(feld, b.start, n.nachbau.art == Laufausgang::Art::Endlos ? b.schritte : n.nachbau.schritte);
    }
    return ergebnis;
}
