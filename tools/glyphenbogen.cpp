// Draws the reference pictures for the pictures tool and the pixel tests.
#include "tools/glyphenbogen.h"

#include <cmath>

#include <QFont>
#include <QLibraryInfo>
#include <QVersionNumber>

#include "render/brett.h"
#include "render/geometrie.h"
#include "render/glyphen.h"
#include "render/kompass.h"
#include "render/spur.h"
#include "ui/rasterflaeche.h"

void schriftenFestlegen()
{
    qputenv("FONTCONFIG_FILE", TARNKISTE_SCHRIFTEN_KONF);
}

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

Spielflaechen::Spielflaechen(int verhaeltnis)
{
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau}) {
        feld(seite).masseSetzen(QSize(440, 440), verhaeltnis);
        feld(seite).hintergrundSetzen(hintergrundFarbe(seite));
    }
    kompass.masseSetzen(QSize(105, 113), verhaeltnis);
    kompass.hintergrundSetzen(Farbe{240, 240, 240});
    kompass.schriftSetzen(QFont(QStringLiteral("Liberation Serif"), 9));
    rollo.masseSetzen(QSize(343, 343), verhaeltnis);
    spielAufbauZeichnen(vorgabe, nachbau, kompass, rollo);
}

QImage brettBild(Seite seite, int verhaeltnis)
{
    Spielflaechen flaechen(verhaeltnis);
    Rasterflaeche& box = flaechen.feld(seite);
    for (int code = 0; code < anzahlCodes; ++code)
        zelleZeichnen(box, seite, code, code % 6 + 1, code / 6 * 3 + 2);
    if (seite == Seite::Nachbau)
        spurZeichnen(box, 0.5, 6.5, 7.5, 6.5);
    return box.bild();
}

QImage kompassBild(Richtung r, int verhaeltnis)
{
    Spielflaechen flaechen(verhaeltnis);
    kompassZeigen(flaechen.kompass, r);
    return flaechen.kompass.bild();
}

QString brettBildName(Seite seite, int verhaeltnis)
{
    return QStringLiteral("brett_%1_%2x.png")
        .arg(seite == Seite::Vorgabe ? QStringLiteral("Vorgabe") : QStringLiteral("Nachbau"))
        .arg(verhaeltnis);
}

QString kompassBildName(Richtung r, int verhaeltnis)
{
    const char* name = r == nord ? "nord" : r == ost ? "ost" : r == sued ? "sued" : r == west ? "west" : "steht";
    return QStringLiteral("kompass_%1_%2x.png").arg(QString::fromLatin1(name)).arg(verhaeltnis);
}

QString bildOrdnerDerVersion()
{
    const QVersionNumber v = QLibraryInfo::version();
    return QStringLiteral("qt%1.%2").arg(v.majorVersion()).arg(v.minorVersion());
}
