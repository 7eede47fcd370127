// The board of a field picture and the drawing part of the game's set-up.
#include "render/brett.h"

#include <array>

#include "render/geometrie.h"
#include "render/kompass.h"
#include "render/zahldruck.h"

namespace {

constexpr std::array<const char*, feldGroesse> spaltenBuchstaben{"a", "b", "c", "d", "e", "f", "g", "h"};

constexpr int rolloNotizStift = 3;

// Lines k of the full grid; on a board the strips later cut them back to
// crosses at the grid points.
void gitterlinien(Zeichenflaeche& flaeche, int k, Farbe farbe)
{
    flaeche.linie(k, 0, k, feldGroesse, farbe);
    flaeche.linie(0, k, feldGroesse, k, farbe);
}

// Column k and row k: the strips that leave only 0.1 of every grid line
// around the grid points, then the letters and numbers of that column and row.
void streifenUndBeschriftung(Zeichenflaeche& flaeche, Seite seite, int k)
{
    const Farbe brett = brettFarbe(seite);
    flaeche.rechteckFuellen(k + 0.1, 0, k + 0.9, feldGroesse, brett);
    flaeche.rechteckFuellen(0, k + 0.1, feldGroesse, k + 0.9, brett);

    flaeche.vordergrundSetzen(beschriftungsFarbe(seite));
    const char* buchstabe = spaltenBuchstaben[static_cast<std::size_t>(k)];
    flaeche.text(k + 0.4, feldGroesse, buchstabe);
    flaeche.text(k + 0.4, -0.3, buchstabe);
    const std::string zahl = gedruckteZahl(feldGroesse - k);
    flaeche.text(feldGroesse, k + 0.4, zahl);
    flaeche.text(-0.3, k + 0.4, zahl);
}

void titel(Zeichenflaeche& flaeche)
{
    flaeche.vordergrundSetzen(titelFarbe);
    flaeche.text(3.5, -0.9, "Tarnkiste");
}

void streifenBeschriftungTitel(Zeichenflaeche& flaeche, Seite seite)
{
    for (int k = 0; k < feldGroesse; ++k)
        streifenUndBeschriftung(flaeche, seite, k);
    if (seite == Seite::Vorgabe)
        titel(flaeche);
}

} // namespace

void brettFlaecheFuellen(Zeichenflaeche& flaeche, Seite seite)
{
    flaeche.rechteckFuellen(0, 0, feldGroesse, feldGroesse, brettFarbe(seite));
}

void brettOhneFlaecheZeichnen(Zeichenflaeche& flaeche, Seite seite)
{
    for (int k = 0; k <= feldGroesse; ++k)
        gitterlinien(flaeche, k, gitterFarbe);
    streifenBeschriftungTitel(flaeche, seite);
}

void spielfeldZeichnen(Zeichenflaeche& flaeche, Seite seite)
{
    flaeche.stiftbreiteSetzen(1);
    brettFlaecheFuellen(flaeche, seite);
    brettOhneFlaecheZeichnen(flaeche, seite);
}

void rolloWischen(Zeichenflaeche& rollo)
{
    rollo.leeren();
    rollo.stiftbreiteSetzen(1);
    for (int k = 0; k <= feldGroesse; ++k)
        gitterlinien(rollo, k, rolloWeiss);
    rollo.stiftbreiteSetzen(rolloNotizStift);
}

void spielAufbauZeichnen(Zeichenflaeche& vorgabe, Zeichenflaeche& nachbau,
                         Zeichenflaeche& kompass, Zeichenflaeche& rollo)
{
    vorgabe.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    nachbau.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    kompass.massstabSetzen(-kompassRand, -kompassRand, kompassRand, kompassRand);
    vorgabe.stiftbreiteSetzen(1);
    nachbau.stiftbreiteSetzen(1);
    brettFlaecheFuellen(vorgabe, Seite::Vorgabe);
    brettFlaecheFuellen(nachbau, Seite::Nachbau);

    rollo.hintergrundSetzen(rolloTuerkis);
    rollo.vordergrundSetzen(rolloWeiss);
    rollo.massstabSetzen(0, 0, feldGroesse, feldGroesse);
    rollo.stiftbreiteSetzen(1);

    for (int k = 0; k <= feldGroesse; ++k) {
        gitterlinien(vorgabe, k, gitterFarbe);
        gitterlinien(nachbau, k, gitterFarbe);
        gitterlinien(rollo, k, rolloWeiss);
    }
    rollo.stiftbreiteSetzen(rolloNotizStift);

    // The passes alternate between the fields as the grid loop does; each
    // field's own drawing order is that of its board.
    for (int k = 0; k < feldGroesse; ++k) {
        streifenUndBeschriftung(vorgabe, Seite::Vorgabe, k);
        streifenUndBeschriftung(nachbau, Seite::Nachbau, k);
    }
    titel(vorgabe);
}
