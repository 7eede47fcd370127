// Recording launches and holding them against the model field with the check's own runs.
#include "model/beobachtungen.h"

#include <map>
#include <tuple>

#include "model/pruefen.h"

LaufendeBeobachtung beobachtungBeginnen(const Spielstand& s)
{
    LaufendeBeobachtung lauf;
    lauf.zeile.start = s.sondeVorgabe;
    lauf.zeile.wieGegeben = s.feldVorgabe == s.feldVorgabeKopie;
    lauf.neueVorgaben = s.neueVorgaben;
    return lauf;
}

void schrittBeobachten(LaufendeBeobachtung& lauf, bool kontakt)
{
    ++lauf.zeile.schritte;
    if (kontakt)
        ++lauf.zeile.kontakte;
}

void beobachtungBeenden(Spielstand& s, LaufendeBeobachtung lauf, bool gefangen)
{
    if (lauf.neueVorgaben != s.neueVorgaben)
        return;
    Beobachtung& b = lauf.zeile;
    if (s.ausgangVorgabe) {
        b.ende = Beobachtung::Ende::Ausgang;
        b.endeX = s.sondeVorgabe.x;
        b.endeY = s.sondeVorgabe.y;
    } else {
        b.ende = gefangen ? Beobachtung::Ende::Loch : Beobachtung::Ende::Angehalten;
    }
    s.beobachtungen.push_back(b);
}

bool vergleichbar(const Beobachtung& b)
{
    const bool amRand = !imFeld(b.start.x, b.start.y) && b.start.richtung() != steht;
    return amRand && b.wieGegeben && !b.verschachtelt && b.ende != Beobachtung::Ende::Angehalten;
}

std::vector<std::optional<bool>> erklaert(const std::vector<Beobachtung>& zeilen, const Feld& nachbau)
{
    // At most 32 start places: each is run once however many rows share it.
    std::map<std::tuple<int, int, int, int>, Laufausgang> laeufe;
    std::vector<std::optional<bool>> marken;
    marken.reserve(zeilen.size());
    for (const Beobachtung& b : zeilen) {
        if (!vergleichbar(b)) {
            marken.emplace_back();
            continue;
        }
        const auto schluessel = std::tuple{b.start.x, b.start.y, b.start.dx, b.start.dy};
        auto it = laeufe.find(schluessel);
        if (it == laeufe.end())
            it = laeufe.emplace(schluessel, verborgenerLauf(nachbau, b.start)).first;
        const Laufausgang gesehen =
            b.ende == Beobachtung::Ende::Ausgang
                ? Laufausgang{Laufausgang::Art::Ausgang, b.endeX, b.endeY, b.schritte, b.kontakte}
                : Laufausgang{Laufausgang::Art::Loch, 0, 0, b.schritte, b.kontakte};
        marken.push_back(it->second == gesehen);
    }
    return marken;
}
