// The rules pictures, drawn with the board colours, glyphs and trail of the model field.
#include "render/regelbild.h"

#include "render/aussehen.h"
#include "render/brett.h"
#include "render/geometrie.h"
#include "render/glyphen.h"
#include "render/spur.h"

namespace {

constexpr Seite seite = Seite::Nachbau;

// The probe marker as a round dot: a dark rim around the fill.
constexpr int markerAussen = 13;
constexpr int markerInnen = 9;
// How far the start and exit markers move apart along the border when the
// probe comes out where it went in.
constexpr double markerAbstand = 0.22;

// The model field's bare board of n cells on its background.
void kleinesBrett(Zeichenflaeche& flaeche, int n)
{
    flaeche.hintergrundSetzen(hintergrundFarbe(seite));
    brettZeichnen(flaeche, {.groesse = n, .flaeche = brettFarbe(seite)});
}

void marker(Zeichenflaeche& flaeche, double x, double y, Farbe fuellung)
{
    flaeche.stiftbreiteSetzen(markerAussen);
    flaeche.punkt(x, y, markerRand);
    flaeche.stiftbreiteSetzen(markerInnen);
    flaeche.punkt(x, y, fuellung);
}

} // namespace

void regelbildZeichnen(Zeichenflaeche& flaeche, const Regelbeispiel& beispiel)
{
    flaeche.massstabSetzen(regelbildMin, regelbildMin, regelbildMax, regelbildMax);
    kleinesBrett(flaeche, beispielGroesse);
    for (std::size_t i = 1; i < beispiel.weg.size(); ++i) {
        const Ort& a = beispiel.weg[i - 1];
        const Ort& b = beispiel.weg[i];
        spurZeichnen(flaeche, a.x + 0.5, a.y + 0.5, b.x + 0.5, b.y + 0.5);
    }
    zelleZeichnen(flaeche, seite, beispiel.code, beispielMitte, beispielMitte);
    if (beispiel.weg.empty())
        return;

    const Ort start = beispiel.weg.front();
    const Ort ende = beispiel.weg.back();
    const bool ausgang = beispiel.ende == Regelbeispiel::Ende::Verlassen && beispiel.weg.size() > 1;
    // Along the border: across the heading the probe started with.
    const double querX = beispiel.richtung.dy != 0 ? markerAbstand : 0.0;
    const double querY = beispiel.richtung.dx != 0 ? markerAbstand : 0.0;
    const bool zurueck = ausgang && ende == start;
    const double s = zurueck ? -1.0 : 0.0;
    marker(flaeche, start.x + 0.5 + s * querX, start.y + 0.5 + s * querY, markerGelb);
    if (ausgang) {
        const double e = zurueck ? 1.0 : 0.0;
        marker(flaeche, ende.x + 0.5 + e * querX, ende.y + 0.5 + e * querY, markerAusgangWeiss);
    }
    flaeche.stiftbreiteSetzen(1);
}

void danachbildZeichnen(Zeichenflaeche& flaeche, const Regelbeispiel& beispiel)
{
    flaeche.massstabSetzen(danachbildMin, danachbildMin, danachbildMax, danachbildMax);
    kleinesBrett(flaeche, 1);
    zelleZeichnen(flaeche, seite, beispiel.codeDanach, 0, 0);
}
