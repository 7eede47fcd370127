// Draws the glyph sheets for the pictures tool and the pixel tests.
#include "tools/glyphenbogen.h"

#include <cmath>

#include "render/geometrie.h"
#include "render/glyphen.h"
#include "ui/rasterflaeche.h"

QImage glyphenBogen(Seite seite, int verhaeltnis)
{
    Rasterflaeche bogen;
    bogen.masseSetzen(QSize((bogenSpalten + 1) * bogenZellPixel, (anzahlCodes / bogenSpalten + 1) * bogenZellPixel),
                      verhaeltnis);
    bogen.hintergrundSetzen(hintergrundFarbe(seite));
    bogen.massstabSetzen(-0.5, -0.5, bogenSpalten + 0.5, anzahlCodes / bogenSpalten + 0.5);
    for (int code = 0; code < anzahlCodes; ++code)
        zelleZeichnen(bogen, seite, code, code % bogenSpalten, code / bogenSpalten);
    return bogen.bild();
}

QString glyphenBogenName(Seite seite, int verhaeltnis)
{
    return QStringLiteral("glyphen_%1_%2x.png")
        .arg(seite == Seite::Vorgabe ? QStringLiteral("vorgabe") : QStringLiteral("nachbau"))
        .arg(verhaeltnis);
}

int bogenCodeBei(int x, int y, int verhaeltnis)
{
    const double zelle = bogenZellPixel * verhaeltnis;
    const int spalte = static_cast<int>(std::floor(x / zelle - 0.5));
    const int zeile = static_cast<int>(std::floor(y / zelle - 0.5));
    if (spalte < 0 || spalte >= bogenSpalten || zeile < 0 || zeile >= anzahlCodes / bogenSpalten)
        return -1;
    return zeile * bogenSpalten + spalte;
}
