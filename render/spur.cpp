// The model probe's trail on the Nachbau field and its removal.
#include "render/spur.h"

#include "render/brett.h"
#include "render/farbe.h"
#include "render/glyphen.h"

void spurZeichnen(Zeichenflaeche& flaeche, double x1, double y1, double x2, double y2)
{
    flaeche.vordergrundSetzen(paletteFarbe(14));
    flaeche.stiftbreiteSetzen(1);
    flaeche.linie(x1, y1, x2, y2);
}

void spurLoeschen(Zeichenflaeche& flaeche, const Feld& feldNachbau)
{
    flaeche.leeren();
    Brettart brett = spielbrett(Seite::Nachbau);
    brett.flaecheMitVorigemStift = true;
    brettZeichnen(flaeche, brett);
    for (int x = 0; x < feldGroesse; ++x)
        for (int y = 0; y < feldGroesse; ++y)
            zelleZeichnen(flaeche, Seite::Nachbau, feldNachbau(x, y), x, y);
}
