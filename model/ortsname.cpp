// Names of cells and border places from the board's column letters and row numbers.
#include "model/ortsname.h"

#include "model/feld.h"

namespace {

std::string spalte(int x) { return std::string(1, static_cast<char>('a' + x)); }
std::string zeile(int y) { return std::to_string(feldGroesse - y); }
bool aufDerAchse(int v) { return v >= 0 && v < feldGroesse; }

} // namespace

std::string zellenName(int x, int y)
{
    if (!imFeld(x, y))
        return {};
    return spalte(x) + zeile(y);
}

std::string ortsName(int x, int y)
{
    if (imFeld(x, y))
        return "im Feld " + zellenName(x, y);
    if (aufDerAchse(y) && x == -1)
        return "links " + zeile(y);
    if (aufDerAchse(y) && x == feldGroesse)
        return "rechts " + zeile(y);
    if (aufDerAchse(x) && y == -1)
        return "oben " + spalte(x);
    if (aufDerAchse(x) && y == feldGroesse)
        return "unten " + spalte(x);
    return {};
}
