// Marks on the border ring from the record of launches.
#include "model/randmarken.h"

#include <algorithm>

bool beganAmPlatz(const Beobachtung& b, int x, int y)
{
    return !imFeld(b.start.x, b.start.y) && b.start.x == x && b.start.y == y;
}

bool kamAmPlatzHeraus(const Beobachtung& b, int x, int y)
{
    return b.ende == Beobachtung::Ende::Ausgang && b.endeX == x && b.endeY == y;
}

std::vector<Randmarke> randmarken(const std::vector<Beobachtung>& zeilen, const std::vector<Nachspiel>& nachspiele)
{
    std::vector<Randmarke> marken;
    const auto setzen = [&marken](Randmarke m) {
        const auto alt = std::find_if(marken.begin(), marken.end(), [&m](const Randmarke& r) { return r.x == m.x && r.y == m.y; });
        if (alt == marken.end())
            marken.push_back(m);
        else
            *alt = m;
    };
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Beobachtung& b = zeilen[i];
        Randmarke m{0, 0, i + 1, b.ende, i < nachspiele.size() ? nachspiele[i].stimmt : std::nullopt};
        if (!imFeld(b.start.x, b.start.y)) {
            m.x = b.start.x;
            m.y = b.start.y;
            setzen(m);
        }
        if (b.ende == Beobachtung::Ende::Ausgang) {
            m.x = b.endeX;
            m.y = b.endeY;
            setzen(m);
        }
    }
    return marken;
}

std::vector<std::size_t> laeufeAmPlatz(const std::vector<Beobachtung>& zeilen, int x, int y)
{
    std::vector<std::size_t> laeufe;
    if (imFeld(x, y))
        return laeufe;
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        if (beganAmPlatz(zeilen[i], x, y) || kamAmPlatzHeraus(zeilen[i], x, y))
            laeufe.push_back(i);
    return laeufe;
}
