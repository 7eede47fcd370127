// Differences between two fields and writing them back either way.
#include "model/nachbauaenderung.h"

std::vector<Zellaenderung> zellaenderungen(const Feld& vorher, const Feld& nachher)
{
    std::vector<Zellaenderung> a;
    for (int x = 0; x < feldGroesse; ++x)
        for (int y = 0; y < feldGroesse; ++y)
            if (vorher(x, y) != nachher(x, y))
                a.push_back({x, y, vorher(x, y), nachher(x, y)});
    return a;
}

void aenderungenAnwenden(Feld& feld, const std::vector<Zellaenderung>& aenderungen, bool rueckgaengig, Seite seite,
                         ZellenAnzeige& anzeige)
{
    for (const Zellaenderung& a : aenderungen) {
        const int code = rueckgaengig ? a.vorher : a.nachher;
        feld(a.x, a.y) = code;
        anzeige.zelleGeaendert(seite, code, a.x, a.y);
    }
}
