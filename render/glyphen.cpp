// The glyphs that show a cell's object code.
#include "render/glyphen.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "render/geometrie.h"

namespace {

using Art = GlyphStrich::Art;

GlyphStrich linie(double a1, double b1, double a2, double b2, Farbe farbe, int stift)
{
    return {Art::Linie, a1, b1, a2, b2, farbe, stift};
}

GlyphStrich punkt(double a, double b, Farbe farbe, int stift) { return {Art::Punkt, a, b, a, b, farbe, stift}; }

// Both diagonals, one or none with a red centre dot: the cat's eye and the
// deflecting mirrors.
void spiegelMitMitte(std::vector<GlyphStrich>& g, bool steigend, bool fallend, int stift)
{
    if (steigend)
        g.push_back(linie(0.8, 0.2, 0.2, 0.8, glyphBlau, stift));
    if (fallend)
        g.push_back(linie(0.2, 0.2, 0.8, 0.8, glyphBlau, stift));
    g.push_back(punkt(0.5, 0.5, glyphRot, 5));
}

void punkte(std::vector<GlyphStrich>& g, std::initializer_list<std::pair<double, double>> orte)
{
    for (const auto& [a, b] : orte)
        g.push_back(punkt(a, b, glyphGelb, 2));
}

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

} // namespace

std::vector<GlyphStrich> glyphStriche(int code)
{
    std::vector<GlyphStrich> g;
    switch (code) {
    case Katzenauge: spiegelMitMitte(g, true, true, 3); break;
    case UmlenkspiegelSteigend: spiegelMitMitte(g, true, false, 2); break;
    case UmlenkspiegelFallend: spiegelMitMitte(g, false, true, 2); break;
    case DrehspiegelWaagerecht:
        g.push_back(linie(0.3, 0.45, 0.7, 0.45, blassBlau, 1));
        g.push_back(linie(0.3, 0.55, 0.7, 0.55, blassBlau, 1));
        punkte(g, {{0.3, 0.35}, {0.3, 0.45}, {0.3, 0.55}, {0.3, 0.65}, {0.7, 0.35}, {0.7, 0.45}, {0.7, 0.55}, {0.7, 0.65}});
        break;
    case DrehspiegelSenkrecht:
        g.push_back(linie(0.45, 0.3, 0.45, 0.7, blassBlau, 1));
        g.push_back(linie(0.55, 0.3, 0.55, 0.7, blassBlau, 1));
        punkte(g, {{0.35, 0.3}, {0.45, 0.3}, {0.55, 0.3}, {0.65, 0.3}, {0.35, 0.7}, {0.45, 0.7}, {0.55, 0.7}, {0.65, 0.7}});
        break;
    case HalbspiegelNO:
        g.push_back(linie(0.3, 0.3, 0.7, 0.7, mittelBlau, 2));
        punkte(g, {{0.3, 0.45}, {0.4, 0.55}, {0.5, 0.65}, {0.6, 0.75}});
        break;
    case HalbspiegelSW:
        g.push_back(linie(0.3, 0.3, 0.7, 0.7, mittelBlau, 2));
        punkte(g, {{0.45, 0.25}, {0.55, 0.35}, {0.65, 0.45}, {0.75, 0.55}});
        break;
    case HalbspiegelNW:
        g.push_back(linie(0.3, 0.7, 0.7, 0.3, mittelBlau, 2));
        punkte(g, {{0.5, 0.7}, {0.6, 0.6}, {0.7, 0.5}, {0.8, 0.4}});
        break;
    case HalbspiegelSO:
        g.push_back(linie(0.3, 0.7, 0.7, 0.3, mittelBlau, 2));
        punkte(g, {{0.25, 0.6}, {0.35, 0.5}, {0.45, 0.4}, {0.55, 0.3}});
        break;
    case Falltuer:
        // Made in one piece: GCC 14 misreads the growth of a vector of
        // these records through three appends as a write out of bounds.
        g = {linie(0.8, 0.2, 0.2, 0.8, falltuerOliv, 2), linie(0.2, 0.2, 0.8, 0.8, falltuerOliv, 2),
             {Art::Rechteck, 0.3, 0.3, 0.7, 0.7, paletteFarbe(0), 2}};
        break;
    default: break;
    }
    return g;
}

const std::vector<SpiralPunkt>& spiralPunkte()
{
    // G runs from 255 at the centre down to 15 at the outer end; t is summed
    // step by step rather than computed from a counter so that the points
    // land where repeated addition puts them.
    static const std::vector<SpiralPunkt> punkte = [] {
        std::vector<SpiralPunkt> v;
        // 2400 points, not 2401: the summed t passes 24 by a hair before the
        // last step. Kept for the whole game, so without spare room.
        v.reserve(2400);
        for (double t = 0.0; t <= 24.0; t += 0.01) {
            const double g = std::clamp(std::nearbyint(255.0 - 10.0 * t), 0.0, 255.0);
            const auto gruen = static_cast<std::uint8_t>(g);
            v.push_back({0.5 - t * std::sin(t) / 60.0, 0.5 + t * std::cos(t) / 60.0, Farbe{255, gruen, gruen}});
        }
        return v;
    }();
    return punkte;
}

void zelleZeichnen(Zeichenflaeche& flaeche, Seite seite, int code, int x, int y)
{
    if (!gueltigerCode(code))
        return;
    int stift = ersterStift(code);
    if (stift > 0)
        flaeche.stiftbreiteSetzen(stift);
    flaeche.rechteckFuellen(x + 0.1, y + 0.1, x + 0.9, y + 0.9, brettFarbe(seite));
    if (code == SchwarzesLoch) {
        // 2400 dots of the pen in force; the window's surfaces, whose dots of
        // one or two pixels skip the many repeats, draw a field full of holes
        // well inside a frame (bench case `render/schwarze-loecher`).
        for (const SpiralPunkt& p : spiralPunkte())
            flaeche.punkt(x + p.a, y + p.b, p.farbe);
        return;
    }
    for (const GlyphStrich& s : glyphStriche(code)) {
        if (s.stift != stift)
            flaeche.stiftbreiteSetzen(stift = s.stift);
        switch (s.art) {
        case Art::Linie: flaeche.linie(x + s.a1, y + s.b1, x + s.a2, y + s.b2, s.farbe); break;
        case Art::Punkt: flaeche.punkt(x + s.a1, y + s.b1, s.farbe); break;
        case Art::Rechteck: flaeche.rechteckFuellen(x + s.a1, y + s.b1, x + s.a2, y + s.b2, s.farbe); break;
        }
    }
    if (code != Leer)
        flaeche.stiftbreiteSetzen(1);
}
