// The glyphs that show a cell's object code.
#include "render/glyphen.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "render/geometrie.h"

namespace {

constexpr Farbe blau{0, 0, 255};
constexpr Farbe rot{255, 0, 0};
constexpr Farbe gelb{255, 255, 0};
constexpr Farbe blassblau{150, 150, 255};
constexpr Farbe mittelblau{100, 100, 255};
constexpr Farbe oliv{200, 200, 0};
constexpr Farbe schwarz{0, 0, 0};

struct Punkt {
    double a;
    double b;
};

// Draws in cell-relative coordinates: (a, b) is the point (x + a, y + b).
class Zelle {
public:
    Zelle(Zeichenflaeche& flaeche, int x, int y) : f_(flaeche), x_(x), y_(y) {}

    void stift(int pixel) { f_.stiftbreiteSetzen(pixel); }
    void linie(Punkt p, Punkt q, Farbe farbe) { f_.linie(x_ + p.a, y_ + p.b, x_ + q.a, y_ + q.b, farbe); }
    void punkt(Punkt p, Farbe farbe) { f_.punkt(x_ + p.a, y_ + p.b, farbe); }
    void punkte(std::initializer_list<Punkt> ps, Farbe farbe)
    {
        for (const Punkt& p : ps)
            punkt(p, farbe);
    }
    void rechteck(Punkt p, Punkt q, Farbe farbe) { f_.rechteckFuellen(x_ + p.a, y_ + p.b, x_ + q.a, y_ + q.b, farbe); }

private:
    Zeichenflaeche& f_;
    int x_;
    int y_;
};

// The pen a glyph erases its cell with; 0 keeps the width in force.
int ersterStift(int code)
{
    switch (code) {
    case Katzenauge: return 3;
    case Leer:
    case SchwarzesLoch: return 0;
    default: return 2;
    }
}

// Cross of both diagonals with a red centre dot.
void spiegelMitMitte(Zelle& z, bool steigend, bool fallend)
{
    if (steigend)
        z.linie({0.8, 0.2}, {0.2, 0.8}, blau);
    if (fallend)
        z.linie({0.2, 0.2}, {0.8, 0.8}, blau);
    z.stift(5);
    z.punkt({0.5, 0.5}, rot);
}

// G runs from 255 at the centre down to 15 at the outer end; t is summed
// step by step rather than computed from a counter so that the points land
// where repeated addition puts them.
void spirale(Zeichenflaeche& f, int x, int y)
{
    for (double t = 0.0; t <= 24.0; t += 0.01) {
        const double g = std::clamp(std::nearbyint(255.0 - 10.0 * t), 0.0, 255.0);
        const auto gruen = static_cast<std::uint8_t>(g);
        f.punkt(x + (0.5 - t * std::sin(t) / 60.0), y + (0.5 + t * std::cos(t) / 60.0),
                Farbe{255, gruen, gruen});
    }
}

void glyphe(Zelle& z, Zeichenflaeche& f, int code, int x, int y)
{
    switch (code) {
    case Leer: break;
    case Katzenauge: spiegelMitMitte(z, true, true); break;
    case UmlenkspiegelSteigend: spiegelMitMitte(z, true, false); break;
    case UmlenkspiegelFallend: spiegelMitMitte(z, false, true); break;
    case DrehspiegelWaagerecht:
        z.stift(1);
        z.linie({0.3, 0.45}, {0.7, 0.45}, blassblau);
        z.linie({0.3, 0.55}, {0.7, 0.55}, blassblau);
        z.stift(2);
        z.punkte({{0.3, 0.35}, {0.3, 0.45}, {0.3, 0.55}, {0.3, 0.65},
                  {0.7, 0.35}, {0.7, 0.45}, {0.7, 0.55}, {0.7, 0.65}}, gelb);
        break;
    case DrehspiegelSenkrecht:
        z.stift(1);
        z.linie({0.45, 0.3}, {0.45, 0.7}, blassblau);
        z.linie({0.55, 0.3}, {0.55, 0.7}, blassblau);
        z.stift(2);
        z.punkte({{0.35, 0.3}, {0.45, 0.3}, {0.55, 0.3}, {0.65, 0.3},
                  {0.35, 0.7}, {0.45, 0.7}, {0.55, 0.7}, {0.65, 0.7}}, gelb);
        break;
    case HalbspiegelNO:
        z.linie({0.3, 0.3}, {0.7, 0.7}, mittelblau);
        z.punkte({{0.3, 0.45}, {0.4, 0.55}, {0.5, 0.65}, {0.6, 0.75}}, gelb);
        break;
    case HalbspiegelSW:
        z.linie({0.3, 0.3}, {0.7, 0.7}, mittelblau);
        z.punkte({{0.45, 0.25}, {0.55, 0.35}, {0.65, 0.45}, {0.75, 0.55}}, gelb);
        break;
    case HalbspiegelNW:
        z.linie({0.3, 0.7}, {0.7, 0.3}, mittelblau);
        z.punkte({{0.5, 0.7}, {0.6, 0.6}, {0.7, 0.5}, {0.8, 0.4}}, gelb);
        break;
    case HalbspiegelSO:
        z.linie({0.3, 0.7}, {0.7, 0.3}, mittelblau);
        z.punkte({{0.25, 0.6}, {0.35, 0.5}, {0.45, 0.4}, {0.55, 0.3}}, gelb);
        break;
    case SchwarzesLoch: spirale(f, x, y); break;
    case Falltuer:
        z.linie({0.8, 0.2}, {0.2, 0.8}, oliv);
        z.linie({0.2, 0.2}, {0.8, 0.8}, oliv);
        z.rechteck({0.3, 0.3}, {0.7, 0.7}, schwarz);
        break;
    default: break;
    }
}

} // namespace

void zelleZeichnen(Zeichenflaeche& flaeche, Seite seite, int code, int x, int y)
{
    if (!gueltigerCode(code))
        return;
    Zelle zelle(flaeche, x, y);
    if (const int stift = ersterStift(code); stift > 0)
        zelle.stift(stift);
    zelle.rechteck({0.1, 0.1}, {0.9, 0.9}, brettFarbe(seite));
    glyphe(zelle, flaeche, code, x, y);
    if (code != Leer && code != SchwarzesLoch)
        zelle.stift(1);
}
