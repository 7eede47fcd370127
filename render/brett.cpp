// The one board routine and the drawing part of the game's set-up.
#include "render/brett.h"

#include <array>
#include <utility>

#include "render/geometrie.h"
#include "render/kompass.h"
#include "render/zahldruck.h"

namespace {

constexpr std::array<const char*, feldGroesse> spaltenBuchstaben{"a", "b", "c", "d", "e", "f", "g", "h"};

constexpr int rolloNotizStift = 3;

// The full grid of n cells; on a board the strips later cut it back to
// crosses at the grid points.
void gitter(Zeichenflaeche& flaeche, int n, Farbe farbe)
{
    for (int k = 0; k <= n; ++k) {
        flaeche.linie(k, 0, k, n, farbe);
        flaeche.linie(0, k, n, k, farbe);
    }
}

void beschriftung(Zeichenflaeche& flaeche, int k, Farbe schrift)
{
    flaeche.vordergrundSetzen(schrift);
    const char* buchstabe = spaltenBuchstaben[static_cast<std::size_t>(k)];
    flaeche.text(k + 0.4, feldGroesse, buchstabe);
    flaeche.text(k + 0.4, -0.3, buchstabe);
    const std::string zahl = gedruckteZahl(feldGroesse - k);
    flaeche.text(feldGroesse, k + 0.4, zahl);
    flaeche.text(-0.3, k + 0.4, zahl);
}

// Pen width 1, the white grid, then the notes' pen.
void rolloGitter(Zeichenflaeche& rollo)
{
    rollo.stiftbreiteSetzen(1);
    gitter(rollo, feldGroesse, rolloWeiss);
    rollo.stiftbreiteSetzen(rolloNotizStift);
}

} // namespace

Brettart spielbrett(Seite seite)
{
    return {.flaeche = brettFarbe(seite), .schrift = beschriftungsFarbe(seite), .titel = seite == Seite::Vorgabe};
}

void brettZeichnen(Zeichenflaeche& flaeche, const Brettart& art)
{
    const int n = art.groesse;
    if (!art.flaecheMitVorigemStift)
        flaeche.stiftbreiteSetzen(1);
    flaeche.rechteckFuellen(0, 0, n, n, art.flaeche);
    if (art.flaecheMitVorigemStift)
        flaeche.stiftbreiteSetzen(1);
    gitter(flaeche, n, gitterFarbe);
    for (int k = 0; k < n; ++k) {
        // Column k and row k: only 0.1 of every grid line stays around the grid points.
        flaeche.rechteckFuellen(k + 0.1, 0, k + 0.9, n, art.flaeche);
        flaeche.rechteckFuellen(0, k + 0.1, n, k + 0.9, art.flaeche);
        if (art.schrift)
            beschriftung(flaeche, k, *art.schrift);
    }
    if (art.titel) {
        flaeche.vordergrundSetzen(titelFarbe);
        flaeche.text(3.5, -0.9, "Tarnkiste");
    }
}

void spielfeldZeichnen(Zeichenflaeche& flaeche, Seite seite) { brettZeichnen(flaeche, spielbrett(seite)); }

void rolloWischen(Zeichenflaeche& rollo)
{
    rollo.leeren();
    rolloGitter(rollo);
}

void spielAufbauZeichnen(Zeichenflaeche& vorgabe, Zeichenflaeche& nachbau,
                         Zeichenflaeche& kompass, Zeichenflaeche& rollo)
{
    for (auto [flaeche, seite] : {std::pair{&vorgabe, Seite::Vorgabe}, {&nachbau, Seite::Nachbau}}) {
        flaeche->massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
        spielfeldZeichnen(*flaeche, seite);
    }
    kompass.massstabSetzen(-kompassRand, -kompassRand, kompassRand, kompassRand);
    rollo.hintergrundSetzen(rolloTuerkis);
    rollo.vordergrundSetzen(rolloWeiss);
    rollo.massstabSetzen(0, 0, feldGroesse, feldGroesse);
    rolloGitter(rollo);
}
