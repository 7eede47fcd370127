// The legend's table and the painters of its pictures, board cells with the object's glyph.
#include "ui/legende.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "model/feld.h"
#include "render/aussehen.h"
#include "render/glyphen.h"
#include "ui/kunstwerk.h"
#include "ui/qtfarbe.h"

namespace {

// A legend picture drawn as one board cell: black ground, grid-blue marks
// at the corners, and the board glyph's strokes placed in cell units (0..1
// on both axes, stretched to the picture).
class Zelle {
public:
    Zelle(QPainter& p, int breite, int hoehe) : p_(p), b_(breite - 1.0), h_(hoehe - 1.0)
    {
        glatt(p_);
        p_.setPen(QPen(qtFarbe(gitterFarbe), 1, Qt::SolidLine, Qt::FlatCap));
        const qreal arm = 0.12;
        for (qreal a : {0.0, 1.0})
            for (qreal b : {0.0, 1.0}) {
                const qreal richtungA = a == 0 ? arm : -arm;
                const qreal richtungB = b == 0 ? arm : -arm;
                p_.drawLine(at(a, b), at(a + richtungA, b));
                p_.drawLine(at(a, b), at(a, b + richtungB));
            }
    }

    QPointF at(qreal a, qreal b) const { return {0.5 + a * b_, 0.5 + b * h_}; }

    void linie(QPointF von, QPointF bis, const QColor& farbe, qreal breite)
    {
        p_.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(at(von.x(), von.y()), at(bis.x(), bis.y()));
    }

    // A dot whose diameter is `breite` pixels, as the board draws points.
    void punkt(QPointF wo, const QColor& farbe, qreal breite)
    {
        p_.setPen(Qt::NoPen);
        p_.setBrush(farbe);
        p_.drawEllipse(at(wo.x(), wo.y()), breite / 2, breite / 2);
    }

    QPainter& maler() { return p_; }

private:
    QPainter& p_;
    qreal b_;
    qreal h_;
};

// The board's one- and two-pixel pens are too thin at the legend's size:
// thin lines and small dots get strokes of their own.
qreal legendenStrich(const GlyphStrich& s)
{
    if (s.art == GlyphStrich::Art::Punkt)
        return s.stift < 3 ? 2.6 : s.stift;
    return std::max<qreal>(s.stift, 1.2);
}

void glyphMalen(Zelle& z, int code)
{
    for (const GlyphStrich& s : glyphStriche(code)) {
        const QColor farbe = qtFarbe(s.farbe);
        switch (s.art) {
        case GlyphStrich::Art::Linie: z.linie({s.a1, s.b1}, {s.a2, s.b2}, farbe, legendenStrich(s)); break;
        case GlyphStrich::Art::Punkt: z.punkt({s.a1, s.b1}, farbe, legendenStrich(s)); break;
        case GlyphStrich::Art::Rechteck:
            z.maler().fillRect(QRectF(z.at(s.a1, s.b1), z.at(s.a2, s.b2)), farbe);
            break;
        }
    }
}

// The black hole's spiral, its points joined as short strokes, each in the
// colour of the point it starts from.
void schwarzesLoch(Zelle& z)
{
    const std::vector<SpiralPunkt>& punkte = spiralPunkte();
    for (std::size_t i = 1; i < punkte.size(); ++i)
        z.linie({punkte[i - 1].a, punkte[i - 1].b}, {punkte[i].a, punkte[i].b}, qtFarbe(punkte[i - 1].farbe), 1.4);
}

// The trapdoor's hatch, the glyph's dark square (grown by half the board's
// pen, as the board draws it), with yellow marks at its corners; the glyph's
// cross is left out, the legend shows the hatch alone.
void falltuer(Zelle& z)
{
    QPainter& p = z.maler();
    // On whole pixels and unsmoothed, so that no edge blends the yellow marks
    // into the dark hatch.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const GlyphStrich& s : glyphStriche(Falltuer)) {
        if (s.art != GlyphStrich::Art::Rechteck)
            continue;
        const QPointF rand(s.stift / 2.0, s.stift / 2.0);
        const QRectF luke((z.at(s.a1, s.b1) - rand).toPoint(), (z.at(s.a2, s.b2) + rand).toPoint());
        QLinearGradient verlauf(luke.topLeft(), luke.bottomRight());
        verlauf.setColorAt(0, QColor(58, 58, 52));
        verlauf.setColorAt(1, QColor(28, 28, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(verlauf);
        p.drawRect(luke);
        // Corner marks: short yellow angles on the hatch's corners.
        const qreal arm = luke.width() * 0.26;
        p.setPen(QPen(qtFarbe(glyphGelb), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        const std::array<std::pair<QPointF, QPointF>, 4> ecken{{
            {luke.topLeft(), {1, 1}},
            {luke.topRight(), {-1, 1}},
            {luke.bottomRight(), {-1, -1}},
            {luke.bottomLeft(), {1, -1}},
        }};
        for (const auto& [ecke, innen] : ecken) {
            const QPointF e = ecke + innen * 1.0;
            p.drawPolyline(QPolygonF{e + QPointF(innen.x() * arm, 0), e, e + QPointF(0, innen.y() * arm)});
        }
    }
}

} // namespace

const std::array<Legendeneintrag, 7>& legende()
{
    static const std::array<Legendeneintrag, 7> eintraege{{
        {0, Katzenauge, 1, 240, 735, {42, 43}, "Katzenauge", "Katzenauge: 180° Richtungsänderung"},
        {1, UmlenkspiegelSteigend, 2, 960, 615, {42, 42}, "Umlenkspiegel steigend",
         "Umlenkspiegel: 90° Richtungsänderung"},
        {2, UmlenkspiegelFallend, 3, 1680, 615, {45, 43}, "Umlenkspiegel fallend",
         "Umlenkspiegel: 90° Richtungsänderung"},
        {4, DrehspiegelWaagerecht, 5, 2400, 615, {46, 49}, "Drehspiegel",
         "Drehspiegel, lässt waagerecht durch, reflektiert senkrecht, dreht sich nach Reflektion um 90°"},
        {5, HalbspiegelNO, 6, 3120, 615, {47, 47}, "Halbdurchlässiger Spiegel",
         "Halbdurchlässiger Spiegel: die gepunktete Seite lässt durch, die andere spiegelt"},
        {3, SchwarzesLoch, 10, 3840, 615, {47, 47}, "Schwarzes Loch", "Schwarzes Loch: Die Sonde wird festgehalten"},
        {7, Falltuer, 11, 4560, 615, {43, 44}, "Falltür", "Falltür, wird nach Durchlauf der Sonde zum Katzenauge"},
    }};
    return eintraege;
}

const Legendeneintrag* legendeneintrag(int bild)
{
    for (const Legendeneintrag& e : legende())
        if (e.bild == bild)
            return &e;
    return nullptr;
}

QString vorabLochName(int verhaeltnis) { return QStringLiteral("schwarzes-loch@%1x.png").arg(verhaeltnis); }

namespace {

QImage legendeMalen(int bild, qreal pixelVerhaeltnis)
{
    const Legendeneintrag* e = legendeneintrag(bild);
    if (!e)
        return {};
    QImage gemalt = leinwand(e->groesse.width(), e->groesse.height(), pixelVerhaeltnis, Qt::black);
    QPainter p(&gemalt);
    Zelle z(p, e->groesse.width(), e->groesse.height());
    switch (e->code) {
    case SchwarzesLoch: schwarzesLoch(z); break;
    case Falltuer: falltuer(z); break;
    default: glyphMalen(z, e->code); break;
    }
    p.end();
    return gemalt;
}

} // namespace

// The hole is the slowest picture of the first paint (bench cases `render/legendenloch` and `start/ohne-vorab`).
QImage legendenBildAlsImage(int bild, qreal pixelVerhaeltnis)
{
    if (bild == legendeSchwarzesLoch)
        for (int v : vorabVerhaeltnisse) {
            if (pixelVerhaeltnis != v)
                continue;
            // Read as PNG by name: a picture of unknown format has Qt load every
            // image plugin (and libjpeg) to ask it.
            QImage vorab(QStringLiteral(":/tarnkiste/vorab/") + vorabLochName(v), "PNG");
            if (!vorab.isNull()) {
                vorab.setDevicePixelRatio(v);
                return vorab;
            }
        }
    return legendeMalen(bild, pixelVerhaeltnis);
}

QPixmap legendenBild(int bild, qreal pixelVerhaeltnis)
{
    return QPixmap::fromImage(legendenBildAlsImage(bild, pixelVerhaeltnis));
}

QPixmap legendenBildMalen(int bild, qreal pixelVerhaeltnis) { return QPixmap::fromImage(legendeMalen(bild, pixelVerhaeltnis)); }
