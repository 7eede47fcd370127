// Paints the window's pictures with QPainter; all geometry is in logical pixels.
#include "ui/kunstwerk.h"
#include "ui/legende.h"

#include "ui/spaetesbild.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

#include "render/aussehen.h"
#include "render/glyphen.h"
#include "ui/qtfarbe.h"

static qreal gueltigesVerhaeltnis(qreal r)
{
    return std::isfinite(r) && r > 0 ? r : 1.0;
}

QImage leinwand(int breite, int hoehe, qreal verhaeltnis, const QColor& grund)
{
    const qreal r = gueltigesVerhaeltnis(verhaeltnis);
    QImage bild(qRound(breite * r), qRound(hoehe * r), QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(r);
    bild.fill(grund);
    return bild;
}

void glatt(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
}

namespace {

// A large font by family with a fallback class; only its outlines are used.
QFont schrift(const QString& familie, QFont::StyleHint art, QFont::Weight gewicht, bool kursiv = false)
{
    QFont f(familie);
    f.setStyleHint(art, QFont::PreferOutline);
    f.setPixelSize(100);
    f.setWeight(gewicht);
    f.setItalic(kursiv);
    return f;
}

QFont serif(QFont::Weight gewicht, bool kursiv = false)
{
    return schrift(QStringLiteral("Times New Roman"), QFont::Serif, gewicht, kursiv);
}

QFont sans(QFont::Weight gewicht)
{
    return schrift(QStringLiteral("Arial"), QFont::SansSerif, gewicht);
}

// The outline of `text`, scaled evenly until its inked shape just fits
// `ziel`, and centred there. Fitting the ink rather than the font metrics
// keeps the lettering the same whichever font the system substitutes.
QPainterPath eingepasst(const QString& text, const QFont& f, const QRectF& ziel)
{
    QPainterPath pfad;
    pfad.addText(0, 0, f, text);
    const QRectF tinte = pfad.boundingRect();
    if (tinte.width() <= 0 || tinte.height() <= 0)
        return {};
    const qreal s = std::min(ziel.width() / tinte.width(), ziel.height() / tinte.height());
    QTransform t;
    t.translate(ziel.center().x(), ziel.center().y());
    t.scale(s, s);
    t.translate(-tinte.center().x(), -tinte.center().y());
    return t.map(pfad);
}

// A regular polygon with a flat top edge around `mitte`, `radius` to the corners.
QPolygonF vieleck(QPointF mitte, qreal radius, int ecken)
{
    QPolygonF v;
    const qreal schritt = 2 * std::numbers::pi / ecken;
    for (int i = 0; i < ecken; ++i) {
        const qreal w = schritt / 2 + i * schritt;
        v << mitte + QPointF(radius * std::cos(w), radius * std::sin(w));
    }
    return v;
}

// --- the start picture's cube -------------------------------------------

struct Punkt3 {
    double x, y, z;
};

// Turns the cube a little to the left and tips its top towards the viewer,
// then projects it with a camera at distance 4.8 on the z axis (y upwards
// in space, downwards on the picture).
QPointF projiziert(Punkt3 p)
{
    const double gier = -28 * std::numbers::pi / 180;
    const double nick = 22 * std::numbers::pi / 180;
    const double x1 = p.x * std::cos(gier) + p.z * std::sin(gier);
    const double z1 = -p.x * std::sin(gier) + p.z * std::cos(gier);
    const double y2 = p.y * std::cos(nick) - z1 * std::sin(nick);
    const double z2 = p.y * std::sin(nick) + z1 * std::cos(nick);
    const double s = 1.0 / (4.8 - z2);
    return {x1 * s, -y2 * s};
}

// One face: its corners in the order top-left, top-right, bottom-right,
// bottom-left as seen from outside, and its two shades.
struct Flaeche {
    std::array<Punkt3, 4> ecken;
    QColor hell;
    QColor dunkel;
};

// The convex hull of some points (monotone chain), counter-clockwise.
QPolygonF konvexeHuelle(QPolygonF punkte)
{
    std::sort(punkte.begin(), punkte.end(), [](QPointF a, QPointF b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    auto kreuz = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QPolygonF huelle;
    for (int durchgang = 0; durchgang < 2; ++durchgang) {
        const qsizetype anfang = huelle.size();
        for (const QPointF& q : punkte) {
            while (huelle.size() >= anfang + 2 && kreuz(huelle[huelle.size() - 2], huelle.back(), q) <= 0)
                huelle.pop_back();
            huelle << q;
        }
        huelle.pop_back();
        std::reverse(punkte.begin(), punkte.end());
    }
    return huelle;
}

void wuerfelZeichnen(QPainter& p, const QRectF& ziel)
{
    // At this angle exactly the front, right and top faces face the camera.
    const std::array<Flaeche, 3> flaechen{{
        {{{{-1, 1, -1}, {1, 1, -1}, {1, 1, 1}, {-1, 1, 1}}}, QColor(86, 90, 102), QColor(62, 65, 75)},
        {{{{-1, 1, 1}, {1, 1, 1}, {1, -1, 1}, {-1, -1, 1}}}, QColor(50, 53, 62), QColor(32, 34, 40)},
        {{{{1, 1, 1}, {1, 1, -1}, {1, -1, -1}, {1, -1, 1}}}, QColor(30, 32, 38), QColor(18, 19, 23)},
    }};

    // Fit the projected cube into `ziel`.
    QPolygonF projektion;
    for (const Flaeche& f : flaechen)
        for (const Punkt3& e : f.ecken)
            projektion << projiziert(e);
    const QRectF umriss = projektion.boundingRect();
    const qreal s = std::min(ziel.width() / umriss.width(), ziel.height() / umriss.height());
    QTransform nachBild;
    nachBild.translate(ziel.center().x(), ziel.center().y());
    nachBild.scale(s, s);
    nachBild.translate(-umriss.center().x(), -umriss.center().y());

    auto viereck = [&](const Flaeche& f) {
        QPolygonF v;
        for (const Punkt3& e : f.ecken)
            v << nachBild.map(projiziert(e));
        return v;
    };

    // A shadow of the whole silhouette, cast down and to the right.
    QPolygonF ecken;
    for (const Flaeche& f : flaechen)
        ecken << viereck(f);
    const QPolygonF silhouette = konvexeHuelle(ecken);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 70, 50));
    for (int i = 3; i >= 1; --i)
        p.drawPolygon(silhouette.translated(4.0 + 2.5 * i, 6.0 + 2.5 * i));

    QPen kante(QColor(120, 126, 140), 1.2);
    kante.setJoinStyle(Qt::RoundJoin);
    for (const Flaeche& f : flaechen) {
        const QPolygonF v = viereck(f);
        QLinearGradient verlauf(v[0], v[2]);
        verlauf.setColorAt(0, f.hell);
        verlauf.setColorAt(1, f.dunkel);
        p.setPen(kante);
        p.setBrush(verlauf);
        p.drawPolygon(v);
    }

    // The question mark lies on the front face, in the same perspective.
    const QPolygonF vorn = viereck(flaechen[1]);
    const QPolygonF einheit{QPointF(0, 0), QPointF(1, 0), QPointF(1, 1), QPointF(0, 1)};
    QTransform aufFlaeche;
    if (!QTransform::quadToQuad(einheit, vorn, aufFlaeche))
        return;
    const QPainterPath zeichen = eingepasst(QStringLiteral("?"), sans(QFont::Black), QRectF(0.17, 0.1, 0.66, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(aufFlaeche.map(zeichen.translated(0.025, 0.025)));
    p.setBrush(Qt::white);
    p.drawPath(aufFlaeche.map(zeichen));
}

// The smiley for one icon size, outline and features scaled with it.
QPixmap smiley(int groesse)
{
    QImage bild = leinwand(groesse, groesse, 1.0, Qt::transparent);
    QPainter p(&bild);
    glatt(p);
    const qreal s = groesse;
    const qreal strich = std::max(1.0, s / 16);
    const QPointF mitte(s / 2, s / 2);
    const qreal radius = s / 2 - strich / 2 - (groesse >= 32 ? s / 64 : 0);

    QRadialGradient gelb(mitte - QPointF(s * 0.15, s * 0.18), radius * 1.3);
    gelb.setColorAt(0, QColor(255, 255, 170));
    gelb.setColorAt(0.45, QColor(255, 240, 0));
    gelb.setColorAt(1, QColor(235, 180, 0));
    p.setPen(QPen(Qt::black, strich));
    if (groesse < 32)
        p.setBrush(qtFarbe(spielGelb));
    else
        p.setBrush(gelb);
    p.drawEllipse(mitte, radius, radius);

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const qreal augeB = std::max(0.7, s * 0.065);
    const qreal augeH = std::max(1.1, s * 0.1);
    for (qreal seite : {-1.0, 1.0})
        p.drawEllipse(mitte + QPointF(seite * s * 0.17, -s * 0.13), augeB, augeH);

    QPen mund(Qt::black, strich * (groesse < 32 ? 1.0 : 1.2), Qt::SolidLine, Qt::RoundCap);
    p.setPen(mund);
    p.setBrush(Qt::NoBrush);
    const qreal r = s * 0.29;
    p.drawArc(QRectF(mitte.x() - r, mitte.y() - r * 0.95, 2 * r, 2 * r), 205 * 16, 130 * 16);
    p.end();
    return QPixmap::fromImage(std::move(bild));
}

} // namespace

QImage startKnopfBildMalen(qreal pixelVerhaeltnis)
{
    QImage bild = leinwand(startKnopfGroesse.width(), startKnopfGroesse.height(), pixelVerhaeltnis, Qt::black);
    QPainter p(&bild);
    glatt(p);
    QPen rahmen(QColor(150, 150, 150), 1);
    rahmen.setDashPattern({3, 2});
    p.setPen(rahmen);
    p.drawRect(QRectF(4.5, 4.5, 79, 78));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(eingepasst(QStringLiteral("Start"), serif(QFont::Normal, true), QRectF(13, 26, 62, 35)));
    p.end();
    return bild;
}

QPixmap startKnopfBild(qreal pixelVerhaeltnis) { return QPixmap::fromImage(startKnopfBildMalen(pixelVerhaeltnis)); }

QImage startBildMalen(qreal pixelVerhaeltnis)
{
    const int breite = 345;
    const int hoehe = 348;
    QImage bild = leinwand(breite, hoehe, pixelVerhaeltnis, qtFarbe(rolloTuerkis));
    QPainter p(&bild);
    // Grid lines on whole pixels, the last one on the picture's edge, as the blind shows them.
    p.setPen(QPen(Qt::white, 1));
    for (int i = 0; i <= 8; ++i) {
        const qreal x = std::floor(i * (breite - 1) / 8.0) + 0.5;
        const qreal y = std::floor(i * (hoehe - 1) / 8.0) + 0.5;
        p.drawLine(QPointF(x, 0), QPointF(x, hoehe));
        p.drawLine(QPointF(0, y), QPointF(breite, y));
    }
    glatt(p);
    wuerfelZeichnen(p, QRectF(breite / 2.0 - 88, hoehe / 2.0 - 90, 176, 176));
    p.end();
    // Opaque throughout: shown with neither a search for transparent pixels
    // nor blending (bench case `render/startbild-deckend`).
    bild.convertTo(QImage::Format_RGB32);
    return bild;
}

QPixmap startBild(qreal pixelVerhaeltnis) { return QPixmap::fromImage(startBildMalen(pixelVerhaeltnis)); }

QPixmap stopBild(qreal pixelVerhaeltnis) { return QPixmap::fromImage(stopBildMalen(pixelVerhaeltnis)); }

QImage stopBildMalen(qreal pixelVerhaeltnis)
{
    QImage bild = leinwand(49, 48, pixelVerhaeltnis, Qt::transparent);
    QPainter p(&bild);
    glatt(p);
    const QPointF mitte(24.5, 24);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(vieleck(mitte, 23.3, 8));
    QLinearGradient rot(0, 4, 0, 44);
    rot.setColorAt(0, QColor(235, 20, 20));
    rot.setColorAt(1, QColor(175, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(rot);
    p.drawPolygon(vieleck(mitte, 20.6, 8));
    p.setBrush(Qt::white);
    p.drawPath(eingepasst(QStringLiteral("STOP"), sans(QFont::Bold), QRectF(9.5, 17.5, 30, 13)));
    p.end();
    return bild;
}

QPixmap lautsprecherBild(qreal pixelVerhaeltnis)
{
    QImage bild = leinwand(54, 51, pixelVerhaeltnis, Qt::transparent);
    QPainter p(&bild);
    glatt(p);
    // The window shows this picture in a 49 x 49 box, top-left aligned: the
    // sign sits in that visible part so that it is not cut off.
    p.translate(24, 24);
    p.scale(0.94, 0.94);
    p.translate(-27, -25.5);
    const QPointF mitte(27, 25.5);
    QRadialGradient rot(mitte - QPointF(6, 8), 30);
    rot.setColorAt(0, QColor(240, 40, 40));
    rot.setColorAt(1, QColor(170, 0, 0));
    p.setPen(QPen(QColor(110, 0, 0), 1));
    p.setBrush(rot);
    p.drawEllipse(mitte, 24.5, 24.5);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mitte, 21.5, 21.5);

    // The speaker: a box and its cone, facing right, and three sound waves.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11, 20.5, 6, 10));
    p.drawPolygon(QPolygonF{QPointF(17, 20.5), QPointF(25, 13.5), QPointF(25, 37.5), QPointF(17, 30.5)});
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (qreal r : {5.5, 10.0, 14.5}) {
        const QPointF quelle(24, 25.5);
        p.drawArc(QRectF(quelle.x() - r, quelle.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    p.end();
    return QPixmap::fromImage(std::move(bild));
}

QPixmap startSondeBild(qreal pixelVerhaeltnis)
{
    QImage bild = leinwand(startSondeGroesse.width(), startSondeGroesse.height(), pixelVerhaeltnis, Qt::black);
    QPainter p(&bild);
    glatt(p);
    const qreal mitteY = 17;

    // The trail fades out behind the ball.
    QLinearGradient spur(3, 0, 22, 0);
    QColor gelb = qtFarbe(spielGelb);
    spur.setColorAt(1, gelb);
    gelb.setAlpha(0);
    spur.setColorAt(0, gelb);
    p.setPen(QPen(QBrush(spur), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(3, mitteY), QPointF(22, mitteY));

    QRadialGradient ball(QPointF(24, mitteY - 2.5), 9);
    ball.setColorAt(0, QColor(255, 255, 200));
    ball.setColorAt(0.5, qtFarbe(spielGelb));
    ball.setColorAt(1, QColor(190, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(QPointF(26, mitteY), 7, 7);

    p.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(39 + 8 * i, mitteY - 1.5, 5, 3));

    QPen umriss(Qt::white, 2);
    umriss.setJoinStyle(Qt::MiterJoin);
    p.setPen(umriss);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF{QPointF(74, mitteY - 5), QPointF(92, mitteY - 5), QPointF(92, mitteY - 12),
                            QPointF(108, mitteY), QPointF(92, mitteY + 12), QPointF(92, mitteY + 5),
                            QPointF(74, mitteY + 5)});
    p.end();
    return QPixmap::fromImage(std::move(bild));
}

QPainterPath tarnkisteErstellenSchrift()
{
    return eingepasst(QStringLiteral("Tarnkiste erstellen"), serif(QFont::Bold), QRectF(12, 13, 306, 38));
}

QPixmap tarnkisteErstellenBild(qreal pixelVerhaeltnis, const QPainterPath& text)
{
    QImage bild = leinwand(tarnkisteErstellenGroesse.width(), tarnkisteErstellenGroesse.height(), pixelVerhaeltnis, Qt::black);
    QPainter p(&bild);
    glatt(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 80, 80));
    p.drawPath(text.translated(1.5, 1.5));
    p.setBrush(QColor(200, 200, 200));
    p.drawPath(text);
    p.end();
    return QPixmap::fromImage(std::move(bild));
}

QPixmap pfeilBild(Richtung richtung, qreal pixelVerhaeltnis)
{
    if (richtung != nord && richtung != sued)
        return {};
    QImage bild = leinwand(pfeilGroesse.width(), pfeilGroesse.height(), pixelVerhaeltnis, Qt::white);
    QPainter p(&bild);
    glatt(p);
    QPolygonF pfeil{QPointF(6, 1), QPointF(11.5, 7.5), QPointF(8, 7.5), QPointF(8, 14),
                    QPointF(4, 14), QPointF(4, 7.5), QPointF(0.5, 7.5)};
    if (richtung == sued)
        pfeil = QTransform(1, 0, 0, -1, 0, 15).map(pfeil);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawPolygon(pfeil);
    p.end();
    return QPixmap::fromImage(std::move(bild));
}

QPixmap kopierPfeil(bool nachRechts, qreal pixelVerhaeltnis)
{
    QImage bild = leinwand(kopierPfeilGroesse.width(), kopierPfeilGroesse.height(), pixelVerhaeltnis, Qt::transparent);
    QPainter p(&bild);
    glatt(p);
    QPolygonF pfeil{QPointF(2.5, 8), QPointF(17.5, 8), QPointF(17.5, 2.5), QPointF(29.5, 12),
                    QPointF(17.5, 21.5), QPointF(17.5, 16), QPointF(2.5, 16)};
    if (!nachRechts)
        pfeil = QTransform(-1, 0, 0, 1, 32, 0).map(pfeil);
    QLinearGradient blau(0, 2, 0, 22);
    blau.setColorAt(0, QColor(110, 160, 255));
    blau.setColorAt(0.5, QColor(20, 70, 255));
    blau.setColorAt(1, QColor(0, 0, 190));
    QPen rand(QColor(0, 0, 110), 1);
    rand.setJoinStyle(Qt::MiterJoin);
    p.setPen(rand);
    p.setBrush(blau);
    p.drawPolygon(pfeil);
    p.end();
    return QPixmap::fromImage(std::move(bild));
}

QPixmap randHintergrundBild(qreal pixelVerhaeltnis)
{
    QImage bild = leinwand(63, 63, pixelVerhaeltnis, QColor(8, 14, 64));
    QPainter p(&bild);
    glatt(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 230, 255));
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j)
            p.drawEllipse(QPointF(3.5 + 7 * i, 3.5 + 7 * j), 1.0, 1.0);
    p.end();
    return QPixmap::fromImage(std::move(bild));
}

QPixmap symbolBild(int groesse) { return smiley(qBound(1, groesse, 1024)); }

QIcon fensterSymbol()
{
    QList<QSize> groessen;
    for (int g : symbolGroessen)
        groessen.append(QSize(g, g));
    return spaetesSymbol(groessen, [](QSize g) { return symbolBild(qMin(g.width(), g.height())); });
}

void bilderSpeichern(const QString& ordner)
{
    const QDir dir(ordner);
    dir.mkpath(QStringLiteral("."));
    auto speichern = [&](const QPixmap& bild, const QString& name) {
        bild.save(dir.filePath(name + QStringLiteral(".png")), "PNG");
    };
    speichern(startKnopfBild(), QStringLiteral("startknopf"));
    speichern(startBild(), QStringLiteral("startbild"));
    for (const Legendeneintrag& e : legende())
        speichern(legendenBild(e.bild), QStringLiteral("legende%1").arg(e.bild));
    speichern(stopBild(), QStringLiteral("stop"));
    speichern(lautsprecherBild(), QStringLiteral("lautsprecher"));
    speichern(startSondeBild(), QStringLiteral("startsonde"));
    speichern(tarnkisteErstellenBild(), QStringLiteral("tarnkiste-erstellen"));
    speichern(pfeilBild(nord), QStringLiteral("pfeil-hoch"));
    speichern(pfeilBild(sued), QStringLiteral("pfeil-runter"));
    speichern(kopierPfeil(true), QStringLiteral("kopieren-rechts"));
    speichern(kopierPfeil(false), QStringLiteral("kopieren-links"));
    speichern(randHintergrundBild(), QStringLiteral("randhintergrund"));
    for (int groesse : {16, 32, 64, 128, 256})
        speichern(symbolBild(groesse), QStringLiteral("icon-%1").arg(groesse));
}
