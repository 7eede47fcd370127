// The compass that shows the model probe's heading.
#include "render/kompass.h"

#include "render/farbe.h"

void kompassZeigen(Zeichenflaeche& flaeche, Richtung richtung)
{
    const Farbe schwarz = paletteFarbe(0);
    flaeche.leeren();

    // The white disc is what wide rings 0.1 apart close up into, each
    // overlapping the next: a disc to the middle of the last ring, and that
    // ring over its edge, give the very same pixels at a fifteenth of the
    // strokes, half the compass's drawing at every step. The radius
    // is summed as the rings' was, so the last sum lies just above 1.4 and
    // the last ring is 1.3.
    double aussen = 0.0;
    for (double radius = 0.0; radius <= 1.4; radius += 0.1)
        aussen = radius;
    flaeche.vordergrundSetzen(paletteFarbe(15));
    flaeche.stiftbreiteSetzen(6);
    flaeche.kreisflaeche(0, 0, aussen);
    flaeche.kreis(0, 0, aussen);

    flaeche.vordergrundSetzen(schwarz);
    flaeche.stiftbreiteSetzen(1);
    flaeche.vordergrundSetzen(paletteFarbe(5));
    flaeche.kreis(0, 0, 1.5);

    flaeche.vordergrundSetzen(schwarz);
    flaeche.text(-1.4, -0.25, "W");
    flaeche.text(1.0, -0.25, "O");
    flaeche.text(-0.2, -1.45, "N");
    flaeche.text(-0.2, 0.95, "S");

    // Three strokes, each thinner and longer than the one before, taper the
    // needle towards its tip.
    const double dx = richtung.dx;
    const double dy = richtung.dy;
    flaeche.stiftbreiteSetzen(5);
    flaeche.linie(0, 0, 0.6 * dx, 0.6 * dy, schwarz);
    flaeche.stiftbreiteSetzen(3);
    flaeche.linie(0, 0, 0.8 * dx, 0.8 * dy, schwarz);
    flaeche.stiftbreiteSetzen(1);
    flaeche.linie(0, 0, dx, dy, schwarz);

    flaeche.vordergrundSetzen(paletteFarbe(14));
    flaeche.stiftbreiteSetzen(12);
    flaeche.punkt(0, 0);

    flaeche.vordergrundSetzen(schwarz);
    flaeche.stiftbreiteSetzen(2);
    flaeche.kreis(0, 0, 0.25);
}
