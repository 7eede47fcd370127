// Field units, the zones of a field picture, marker places and the board colours.
#include "render/geometrie.h"

#include <cmath>

namespace {

constexpr double brettEnde = feldGroesse;

bool imBrett(double v) { return v > 0.0 && v < brettEnde; }

int index(double v) { return static_cast<int>(std::floor(v)); }

} // namespace

Zone zoneBei(double x, double y)
{
    if (imBrett(x) && imBrett(y))
        return {Zonenart::Zelle, index(x), index(y)};
    if (imBrett(y)) {
        if (x < 0.0)
            return {Zonenart::Links, -1, index(y)};
        if (x > brettEnde)
            return {Zonenart::Rechts, feldGroesse, index(y)};
    }
    if (imBrett(x)) {
        if (y < 0.0)
            return {Zonenart::Oben, index(x), -1};
        if (y > brettEnde)
            return {Zonenart::Unten, index(x), feldGroesse};
    }
    return {};
}

Farbe hintergrundFarbe(Seite seite)
{
    return seite == Seite::Vorgabe ? randVorgabe : randNachbau;
}

Farbe brettFarbe(Seite seite)
{
    return seite == Seite::Vorgabe ? Farbe{0, 0, 0} : farbeNachbau;
}

Farbe beschriftungsFarbe(Seite seite)
{
    return seite == Seite::Vorgabe ? Farbe{150, 150, 150} : Farbe{220, 220, 220};
}

Markenmitte markenMitte(int x, int y)
{
    if (x < 0)
        return {-0.52, y + 0.15};
    if (x >= feldGroesse)
        return {feldGroesse + 0.55, y + 0.15};
    if (y < 0)
        return {x + 0.18, -0.48};
    return {x + 0.18, feldGroesse + 0.52};
}
