// Pixels of boards, glyphs, compass and trail as the picture box draws them.
#include <cmath>
#include <string>

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "render/brett.h"
#include "render/geometrie.h"
#include "render/glyphen.h"
#include "render/kompass.h"
#include "render/spur.h"
#include "ui/qtzeichenflaeche.h"

namespace {

QColor als(Farbe f) { return QColor(f.r, f.g, f.b); }
std::string name(Seite s) { return s == Seite::Vorgabe ? "Vorgabe" : "Nachbau"; }

// A surface of w x h pixels with hard edges (every pixel shows one of the
// colours drawn) unless `glatt`.
void einrichten(QtZeichenflaeche& box, int w, int h, qreal verhaeltnis, Farbe grund, bool glatt = false)
{
    box.resize(w, h);
    box.geraetePixelVerhaeltnisSetzen(verhaeltnis);
    box.kantenglaettungSetzen(glatt);
    box.hintergrundSetzen(grund);
}

// A field picture at design size, 440 pixels for -1..9, with its board.
struct Feldbild {
    QtZeichenflaeche box;
    Seite seite;

    explicit Feldbild(Seite s, qreal verhaeltnis = 1.0, bool glatt = false) : seite(s)
    {
        einrichten(box, 440, 440, verhaeltnis, hintergrundFarbe(s), glatt);
        box.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
        spielfeldZeichnen(box, s);
    }
    void zelle(int code, int x, int y) { zelleZeichnen(box, seite, code, x, y); }
};

// How many pixels of colour c lie in the rectangle (x1, y1)-(x2, y2) of field units.
int zaehle(const QtZeichenflaeche& box, double x1, double y1, double x2, double y2, QColor c)
{
    int n = 0;
    for (double y = y1; y <= y2; y += 1.0 / 44)
        for (double x = x1; x <= x2; x += 1.0 / 44)
            n += box.farbeBei(x, y) == c;
    return n;
}

struct BrettPunkt {
    const char* name;
    double x, y;
    enum { Brett, Gitter, Rand } zeigt;
};

class BoardPoints : public testing::TestWithParam<BrettPunkt> {};

TEST_P(BoardPoints, ShowBoardGridOrMargin)
{
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau})
        for (qreal verhaeltnis : {1.0, 2.0}) {
            const Feldbild f(seite, verhaeltnis);
            const Farbe erwartet = GetParam().zeigt == BrettPunkt::Brett    ? brettFarbe(seite)
                                   : GetParam().zeigt == BrettPunkt::Gitter ? gitterFarbe
                                                                            : hintergrundFarbe(seite);
            EXPECT_EQ(f.box.farbeBei(GetParam().x, GetParam().y), als(erwartet)) << name(seite) << verhaeltnis;
        }
}

INSTANTIATE_TEST_SUITE_P(Board, BoardPoints, testing::Values(
    BrettPunkt{"MiddleOfTheTopEdge", 0.5, 0.0, BrettPunkt::Brett},
    BrettPunkt{"CrossArmAtTheCorner", 0.05, 0.0, BrettPunkt::Gitter},
    BrettPunkt{"BoardCorner", 0.0, 0.0, BrettPunkt::Gitter},
    BrettPunkt{"BottomRightCorner", 8.0, 8.0, BrettPunkt::Gitter},
    BrettPunkt{"CrossCentre", 4.0, 4.0, BrettPunkt::Gitter},
    BrettPunkt{"CrossArmLeft", 3.95, 4.0, BrettPunkt::Gitter},
    BrettPunkt{"CrossArmBelow", 4.0, 4.05, BrettPunkt::Gitter},
    BrettPunkt{"BetweenTheArms", 4.05, 4.05, BrettPunkt::Brett},
    BrettPunkt{"RightOuterEdge", 8.0, 4.5, BrettPunkt::Brett},
    BrettPunkt{"JustOutside", -0.03, 4.5, BrettPunkt::Rand}),
    [](const testing::TestParamInfo<BrettPunkt>& info) { return std::string(info.param.name); });

TEST(BoardPicture, LabelsInTheSidesColourTitleOnlyOnTheLeft)
{
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau}) {
        const Feldbild f(seite);
        const QColor schrift = als(beschriftungsFarbe(seite));
        EXPECT_GT(zaehle(f.box, 0.3, 8.0, 1.0, 8.9, schrift), 0) << "a unten " << name(seite);
        EXPECT_GT(zaehle(f.box, 8.0, 0.3, 8.9, 1.0, schrift), 0) << "8 rechts " << name(seite);
        EXPECT_EQ(zaehle(f.box, 3.4, -1.0, 8.0, -0.35, als(titelFarbe)) > 0, seite == Seite::Vorgabe);
    }
}

TEST(GlyphPicture, EmptyLeavesTheCellInsideInTheBoardColour)
{
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau}) {
        Feldbild f(seite);
        f.zelle(Katzenauge, 2, 3);
        f.zelle(Leer, 2, 3);
        EXPECT_EQ(zaehle(f.box, 2.1, 3.1, 2.9, 3.9, als(brettFarbe(seite))), 36 * 36) << name(seite);
    }
}

class EveryGlyph : public testing::TestWithParam<int> {};

TEST_P(EveryGlyph, ChangesOnlyTheCellInsideAndErasesAnyOther)
{
    // Drawn over every other glyph it must give the same picture as drawn
    // alone: a trapdoor turned cat's eye, a turned mirror, a cleared hole.
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau}) {
        Feldbild f(seite);
        const QImage leer = f.box.bild();
        f.zelle(GetParam(), 3, 3);
        const QImage allein = f.box.bild();
        const QRect innen = QRect(QPoint(180, 180), QPoint(215, 215)).adjusted(-2, -2, 2, 2);
        for (int y = 0; y < 440; ++y)
            for (int x = 0; x < 440; ++x)
                if (!innen.contains(x, y) && leer.pixel(x, y) != allein.pixel(x, y))
                    FAIL() << name(seite) << " " << x << "," << y;
        for (int alt = 0; alt < anzahlCodes; ++alt) {
            f.zelle(alt, 3, 3);
            f.zelle(GetParam(), 3, 3);
            EXPECT_TRUE(f.box.bild() == allein) << name(seite) << ": " << alt << " dann " << GetParam();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, EveryGlyph, testing::Range(0, 12),
                         [](const testing::TestParamInfo<int>& info) { return "Code" + std::to_string(info.param); });

TEST(GlyphPicture, TrapdoorTurnedCatsEyeLeavesNoOliveOrBlack)
{
    Feldbild f(Seite::Nachbau);
    f.zelle(Falltuer, 4, 6);
    ASSERT_GT(zaehle(f.box, 4, 6, 5, 7, QColor(200, 200, 0)), 0);
    f.zelle(Katzenauge, 4, 6);
    EXPECT_EQ(zaehle(f.box, 4, 6, 5, 7, QColor(200, 200, 0)), 0);
    EXPECT_EQ(zaehle(f.box, 4, 6, 5, 7, Qt::black), 0);
    EXPECT_EQ(f.box.farbeBei(4.5, 6.5), QColor(255, 0, 0));
}

TEST(GlyphPicture, InvalidCodeChangesNoPixel)
{
    Feldbild f(Seite::Vorgabe);
    f.zelle(HalbspiegelNW, 1, 1);
    const QImage vorher = f.box.bild();
    f.zelle(12, 1, 1);
    f.zelle(-1, 1, 1);
    EXPECT_TRUE(f.box.bild() == vorher);
}

TEST(GlyphPicture, SpiralWhiteInTheMiddleDarkRedAtTheEnd)
{
    for (qreal verhaeltnis : {1.0, 2.0}) {
        Feldbild f(Seite::Vorgabe, verhaeltnis);
        f.zelle(SchwarzesLoch, 6, 5);
        EXPECT_EQ(f.box.farbeBei(6.5, 5.5), Qt::white) << verhaeltnis;
        double t = 0;
        for (int i = 0; i < 2399; ++i)
            t += 0.01;
        EXPECT_EQ(f.box.farbeBei(6.5 - t * std::sin(t) / 60, 5.5 + t * std::cos(t) / 60), QColor(255, 15, 15));
    }
}

// The compass at design size, 105 x 113 pixels.
struct Kompassbild {
    QtZeichenflaeche box;

    explicit Kompassbild(Richtung r, qreal verhaeltnis = 1.0, bool glatt = false)
    {
        einrichten(box, 105, 113, verhaeltnis, Farbe{240, 240, 240}, glatt);
        box.setFont(QFont(QStringLiteral("Liberation Serif"), 9));
        box.massstabSetzen(-kompassRand, -kompassRand, kompassRand, kompassRand);
        kompassZeigen(box, r);
    }
};

TEST(CompassPicture, WithoutHeadingOnlyDiscRingLettersAndHub)
{
    const Kompassbild k(steht);
    // Black between the hub's ring and the letters would be a needle.
    for (double r = 0.35; r < 0.95; r += 0.02)
        for (double w = 0; w < 6.3; w += 0.05)
            ASSERT_NE(k.box.farbeBei(r * std::cos(w), r * std::sin(w)), Qt::black) << r << " " << w;
    EXPECT_EQ(k.box.farbeBei(0, 0), QColor(255, 255, 0));
    int ring = 0, buchstabeO = 0;
    for (double x = 0.2; x < 1.55; x += 0.01) {
        ring += k.box.farbeBei(x, 0) == QColor(128, 0, 128);
        buchstabeO += x > 1.0 && k.box.farbeBei(x, -0.05) == Qt::black;
    }
    EXPECT_GT(ring, 0);
    EXPECT_GT(buchstabeO, 0);
}

TEST(CompassPicture, NeedlePointsOnlyItsWay)
{
    for (Richtung r : {nord, ost, sued, west}) {
        const Kompassbild k(r);
        for (Richtung andere : {nord, ost, sued, west})
            EXPECT_EQ(k.box.farbeBei(0.7 * andere.dx, 0.7 * andere.dy), andere == r ? Qt::black : Qt::white)
                << r.dx << "," << r.dy << " bei " << andere.dx << "," << andere.dy;
    }
}

TEST(TrailPicture, ClearRestoresBoardAndGlyphs)
{
    Feld feld;
    Feldbild erwartet(Seite::Nachbau);
    for (int x = 0; x < feldGroesse; ++x)
        for (int y = 0; y < feldGroesse; ++y)
            erwartet.zelle(feld(x, y) = (x * 3 + y * 5) % anzahlCodes, x, y);

    Feldbild f(Seite::Nachbau);
    spurZeichnen(f.box, 0.5, 3.5, 7.5, 3.5);
    spurZeichnen(f.box, 4.5, 4.5, 4.5, 4.5);
    ASSERT_EQ(f.box.farbeBei(4.5, 4.5), QColor(255, 255, 0)) << "Stillstand gibt einen Punkt";
    spurLoeschen(f.box, feld);
    EXPECT_TRUE(f.box.bild() == erwartet.box.bild());

    f.box.stiftbreiteSetzen(5);
    spurLoeschen(f.box, feld);
    EXPECT_EQ(f.box.farbeBei(-0.03, 4.5), als(farbeNachbau)) << "breiter Stift: Brett reicht ueber den Rand";
}

// The picture box itself: pens, rectangles, text, persistence, children.
QRect schwarzerBereich(const QImage& bild)
{
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) == qRgb(0, 0, 0))
                r |= QRect(x, y, 1, 1);
    return r;
}

TEST(QtDrawingSurface, PointAndLineAsWideAsThePenInImagePixels)
{
    for (auto [stift, verhaeltnis] : {std::pair{1, 1.0}, {2, 1.0}, {5, 1.0}, {12, 1.0}, {1, 2.0}, {5, 2.0}}) {
        const int d = static_cast<int>(stift * verhaeltnis);
        QtZeichenflaeche punkt, linie;
        for (QtZeichenflaeche* b : {&punkt, &linie}) {
            einrichten(*b, 100, 100, verhaeltnis, Farbe{255, 255, 255});
            b->massstabSetzen(0, 0, 10, 10);
            b->stiftbreiteSetzen(stift);
        }
        punkt.punkt(4, 4, Farbe{});
        linie.linie(2, 1, 2, 6, Farbe{});
        const QImage bild = punkt.bild();
        const QRect r = schwarzerBereich(bild);
        EXPECT_EQ(r.size(), QSize(d, d)) << stift << " bei " << verhaeltnis;
        EXPECT_EQ(d >= 4, bild.pixel(r.topLeft()) != qRgb(0, 0, 0)) << "rund";
        EXPECT_EQ(punkt.farbeBei(4, 4), Qt::black);
        EXPECT_EQ(schwarzerBereich(linie.bild()).width(), d);
        EXPECT_EQ(linie.farbeBei(2, 6), Qt::black) << "Endpunkt";
    }
}

TEST(QtDrawingSurface, RectangleWithBothCornersGrowsWithThePen)
{
    for (auto [stift, rand] : {std::pair{1, 0}, {3, 1}, {5, 2}}) {
        QtZeichenflaeche box;
        einrichten(box, 100, 100, 1.0, Farbe{255, 255, 255});
        box.massstabSetzen(0, 0, 10, 10);
        box.stiftbreiteSetzen(stift);
        box.rechteckFuellen(3, 3, 2, 2, Farbe{});
        EXPECT_EQ(schwarzerBereich(box.bild()), QRect(QPoint(20 - rand, 20 - rand), QPoint(30 + rand, 30 + rand)));
    }
}

TEST(QtDrawingSurface, CircleIsRoundOnUnequalAxesAndTextHangsFromItsCorner)
{
    QtZeichenflaeche box;
    einrichten(box, 200, 100, 1.0, Farbe{255, 255, 255});
    box.massstabSetzen(-1, -1, 1, 1);
    box.vordergrundSetzen(Farbe{});
    box.kreis(0, 0, 0.4);
    EXPECT_EQ(schwarzerBereich(box.bild()).size(), QSize(81, 81));

    box.leeren();
    box.text(-0.5, 0, "W");
    const QRect r = schwarzerBereich(box.bild());
    EXPECT_GE(r.top(), 50);
    EXPECT_LT(r.bottom(), 50 + box.fontMetrics().height());
    EXPECT_TRUE(r.left() >= 50 && r.left() < 53) << r.left();
}

TEST(QtDrawingSurface, LinesOnTheFarEdgeStayVisible)
{
    QtZeichenflaeche rollo;
    einrichten(rollo, 343, 343, 1.0, Farbe{0, 150, 150});
    rollo.massstabSetzen(0, 0, 8, 8);
    rollo.linie(8, 0, 8, 8, Farbe{255, 255, 255});
    rollo.linie(0, 8, 8, 8, Farbe{255, 255, 255});
    EXPECT_EQ(rollo.bild().pixelColor(342, 100), Qt::white);
    EXPECT_EQ(rollo.bild().pixelColor(100, 342), Qt::white);
}

TEST(QtDrawingSurface, PictureSurvivesRatioAndSizeChangesAndIsShown)
{
    QtZeichenflaeche box;
    einrichten(box, 100, 100, 1.0, Farbe{255, 255, 255});
    box.massstabSetzen(0, 0, 10, 10);
    box.rechteckFuellen(2, 2, 3, 3, Farbe{200, 0, 0});
    EXPECT_EQ(box.grab().toImage().pixelColor(25, 25), QColor(200, 0, 0));

    box.geraetePixelVerhaeltnisSetzen(2.0);
    EXPECT_EQ(box.bild().size(), QSize(200, 200));
    EXPECT_EQ(box.bild().devicePixelRatio(), 2.0);
    EXPECT_EQ(box.farbeBei(2.5, 2.5), QColor(200, 0, 0));

    box.resize(160, 100);
    box.massstabSetzen(0, 0, 16, 10);
    box.punkt(15, 5, Farbe{});
    EXPECT_EQ(box.bild().size(), QSize(320, 200));
    EXPECT_EQ(box.farbeBei(2.5, 2.5), QColor(200, 0, 0));
    EXPECT_EQ(box.farbeBei(15, 5), Qt::black);

    box.hintergrundSetzen(Farbe{1, 2, 3});
    EXPECT_EQ(box.farbeBei(2.5, 2.5), QColor(1, 2, 3));
}

// A surface notes what is drawn until its pixels are first needed; drawn
// then, straight onto the screen or into its picture, each call must come
// out as it would have at once.
TEST(QtDrawingSurface, DrawingNotedBeforeItIsNeededGivesTheSamePixels)
{
    struct Fall {
        const char* name;
        void (*zeichnen)(QtZeichenflaeche&);
    };
    const Fall faelle[] = {
        {"state changes between calls",
         [](QtZeichenflaeche& b) {
             b.massstabSetzen(0, 0, 10, 10);
             b.hintergrundSetzen(Farbe{0, 128, 128});
             b.stiftbreiteSetzen(3);
             b.linie(1, 1, 9, 8, Farbe{255, 255, 0});
             b.vordergrundSetzen(Farbe{255, 0, 0});
             b.kreis(5, 5, 3);
             b.massstabSetzen(10, 10, 0, 0);
             b.stiftbreiteSetzen(1);
             b.rechteckFuellen(1, 1, 2, 3, Farbe{9, 9, 9});
             b.kantenglaettungSetzen(false);
             b.punkt(7, 2, Farbe{0, 0, 255});
             b.text(8, 8, "Nord");
             b.kantenglaettungSetzen(true);
         }},
        {"resized smaller, then larger, between calls",
         [](QtZeichenflaeche& b) {
             b.massstabSetzen(0, 0, 10, 10);
             b.rechteckFuellen(6, 6, 9, 9, Farbe{200, 0, 0});
             b.resize(40, 40);
             b.punkt(1, 1, Farbe{});
             b.resize(120, 90);
             b.linie(0, 9, 9, 0, Farbe{0, 90, 0});
         }},
        {"ratio changed between calls",
         [](QtZeichenflaeche& b) {
             b.massstabSetzen(0, 0, 10, 10);
             b.kreis(5, 5, 2);
             b.geraetePixelVerhaeltnisSetzen(2.0);
             b.linie(0, 0, 10, 10, Farbe{0, 0, 200});
         }},
        {"font changed between texts",
         [](QtZeichenflaeche& b) {
             b.massstabSetzen(0, 0, 10, 10);
             b.text(1, 1, "a");
             QFont gross = b.font();
             gross.setPixelSize(30);
             b.setFont(gross);
             b.text(1, 4, "b");
         }},
        {"a point sequence after noted calls",
         [](QtZeichenflaeche& b) {
             b.massstabSetzen(0, 0, 2, 2);
             b.rechteckFuellen(0, 0, 1, 1, Farbe{0, 0, 100});
             b.punktfolge(0, 0, spiralFolge());
             b.linie(0, 2, 2, 0, Farbe{255, 255, 255});
         }},
    };
    for (const Fall& fall : faelle) {
        QtZeichenflaeche sofort;
        QtZeichenflaeche notiert;
        for (QtZeichenflaeche* b : {&sofort, &notiert})
            einrichten(*b, 100, 100, 1.0, Farbe{255, 255, 255}, true);
        sofort.bild();  // its pixels are needed from here on
        fall.zeichnen(sofort);
        fall.zeichnen(notiert);
        // The first paint draws the notes straight onto the screen, the
        // second shows the picture made from them.
        EXPECT_EQ(notiert.grab().toImage(), sofort.grab().toImage()) << fall.name << ", first paint";
        EXPECT_EQ(notiert.grab().toImage(), sofort.grab().toImage()) << fall.name << ", second paint";
        EXPECT_EQ(notiert.bild(), sofort.bild()) << fall.name;
    }
}

TEST(QtDrawingSurface, ChildrenAndMouseInUnits)
{
    QtZeichenflaeche box;
    einrichten(box, 440, 440, 1.0, Farbe{});
    box.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    QWidget rollo(&box);
    box.kindPlatzieren(&rollo, 0.1, 0.1, 7.8, 7.8);
    EXPECT_EQ(rollo.geometry(), QRect(48, 48, 343, 343));
    EXPECT_EQ(box.nachPixeln(-0.65, 8.25, markerBreite, markerHoehe), QRect(15, 407, 17, 25));
    EXPECT_EQ(box.nachEinheiten(QPointF(66, 44)), QPointF(0.5, 0.0));
}

// Point sequences drawn from kept patterns against the same drawn dot by dot.
struct Musterpaar {
    QtZeichenflaeche muster;
    QtZeichenflaeche punkte;

    Musterpaar(int w, int h, qreal verhaeltnis, Farbe grund)
    {
        punkte.punktmusterSetzen(false);
        for (QtZeichenflaeche* b : {&muster, &punkte})
            einrichten(*b, w, h, verhaeltnis, grund);
    }
    // A field picture of w x h pixels with its board.
    static void feld(Musterpaar& p, Seite seite)
    {
        for (QtZeichenflaeche* b : {&p.muster, &p.punkte}) {
            b->massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
            spielfeldZeichnen(*b, seite);
        }
    }
    template <typename Zeichnen>
    void beide(Zeichnen zeichnen)
    {
        zeichnen(muster);
        zeichnen(punkte);
    }
    void loecher(Seite seite)
    {
        beide([seite](QtZeichenflaeche& b) {
            for (int x = 0; x < feldGroesse; ++x)
                for (int y = 0; y < feldGroesse; ++y)
                    zelleZeichnen(b, seite, SchwarzesLoch, x, y);
        });
    }
    // The image pixels in which the two pictures differ; -1 for unequal sizes.
    long long abweichend() const
    {
        const QImage a = muster.bild();
        const QImage b = punkte.bild();
        if (a.size() != b.size())
            return -1;
        long long n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }
};

TEST(PointPatterns, BlackHolesInEveryCellSamePixelsAsDotByDot)
{
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau})
        for (qreal verhaeltnis : {1.0, 1.5, 2.0})
            for (QSize groesse : {QSize(440, 440), QSize(437, 441)}) {
                Musterpaar p(groesse.width(), groesse.height(), verhaeltnis, hintergrundFarbe(seite));
                Musterpaar::feld(p, seite);
                const QImage brett = p.muster.bild();
                p.loecher(seite);
                const std::string fall = name(seite) + " " + std::to_string(verhaeltnis) + " " +
                                         std::to_string(groesse.width());
                EXPECT_EQ(p.abweichend(), 0) << fall;
                EXPECT_FALSE(p.muster.bild() == brett) << fall;
                EXPECT_EQ(p.muster.farbeBei(7.5, 0.5).red(), 255) << fall << ": a spiral in the last cell";
                // Cells lie on whole pixels only at the design size.
                EXPECT_EQ(p.muster.gemusterteFolgen(), groesse.width() == 440 ? 64u : 0u) << fall;
                EXPECT_EQ(p.punkte.gemusterteFolgen(), 0u) << fall;
            }
}

TEST(PointPatterns, SamePixelsWithOtherDrawingInBetween)
{
    for (qreal verhaeltnis : {1.0, 2.0}) {
        Musterpaar p(440, 440, verhaeltnis, hintergrundFarbe(Seite::Nachbau));
        Musterpaar::feld(p, Seite::Nachbau);
        p.loecher(Seite::Nachbau);
        p.beide([](QtZeichenflaeche& b) {
            zelleZeichnen(b, Seite::Nachbau, Katzenauge, 3, 3);
            spurZeichnen(b, 0.5, 3.5, 7.5, 3.5);
            spurZeichnen(b, 0.5, 0.5, 7.5, 7.5);
            // Over the trail, over the cat's eye, and twice in a row.
            for (int x : {0, 3, 5, 5})
                zelleZeichnen(b, Seite::Nachbau, SchwarzesLoch, x, 3);
            zelleZeichnen(b, Seite::Nachbau, SchwarzesLoch, 6, 6);
            zelleZeichnen(b, Seite::Nachbau, Falltuer, 6, 6);
            b.punkt(2.5, 2.5, Farbe{1, 2, 3});
            zelleZeichnen(b, Seite::Nachbau, SchwarzesLoch, 2, 2);
            b.punkt(2.5, 2.5, Farbe{255, 255, 255});
        });
        EXPECT_EQ(p.abweichend(), 0) << verhaeltnis;
        EXPECT_EQ(p.muster.gemusterteFolgen(), 64u + 6u) << verhaeltnis;

        // A trail clear of a mixed field: holes after every other glyph's pen.
        Feld feld;
        int loecher = 0;
        for (int x = 0; x < feldGroesse; ++x)
            for (int y = 0; y < feldGroesse; ++y)
                loecher += (feld(x, y) = (x * 3 + y * 5) % anzahlCodes) == SchwarzesLoch;
        p.beide([&feld](QtZeichenflaeche& b) {
            spurZeichnen(b, 0.5, 0.5, 0.5, 7.5);
            spurLoeschen(b, feld);
        });
        EXPECT_EQ(p.abweichend(), 0) << verhaeltnis;
        EXPECT_EQ(p.muster.gemusterteFolgen(), 64u + 6u + static_cast<std::size_t>(loecher)) << verhaeltnis;
    }
}

TEST(PointPatterns, PenRatioSizeAndScaleChangesDropOrAvoidKeptPatterns)
{
    Musterpaar p(440, 440, 1.0, hintergrundFarbe(Seite::Nachbau));
    Musterpaar::feld(p, Seite::Nachbau);
    const auto loecherGleich = [&p](const char* fall) {
        p.loecher(Seite::Nachbau);
        EXPECT_EQ(p.abweichend(), 0) << fall;
    };
    loecherGleich("pen 1");
    EXPECT_EQ(p.muster.gehalteneMuster(), 1u);
    for (int stift : {2, 5, 4, 1}) {
        p.beide([stift](QtZeichenflaeche& b) { b.stiftbreiteSetzen(stift); });
        loecherGleich("pen");
    }
    EXPECT_EQ(p.muster.gehalteneMuster(), 4u) << "one per pen width";

    // Smoothed wide dots are blended: dot by dot on both.
    const std::size_t vorher = p.muster.gemusterteFolgen();
    p.beide([](QtZeichenflaeche& b) {
        b.kantenglaettungSetzen(true);
        b.stiftbreiteSetzen(3);
    });
    loecherGleich("smoothed pen 3");
    EXPECT_EQ(p.muster.gemusterteFolgen(), vorher);
    p.beide([](QtZeichenflaeche& b) {
        b.kantenglaettungSetzen(false);
        b.stiftbreiteSetzen(1);
    });

    p.beide([](QtZeichenflaeche& b) { b.geraetePixelVerhaeltnisSetzen(2.0); });
    EXPECT_EQ(p.muster.gehalteneMuster(), 0u) << "new ratio";
    loecherGleich("ratio 2");
    p.beide([](QtZeichenflaeche& b) { b.geraetePixelVerhaeltnisSetzen(1.0); });

    // 40 pixels per unit: whole again, but another pattern.
    p.beide([](QtZeichenflaeche& b) { b.massstabSetzen(-1, -1, 10, 10); });
    EXPECT_EQ(p.muster.gehalteneMuster(), 0u) << "new scale";
    const std::size_t vorSkala = p.muster.gemusterteFolgen();
    loecherGleich("40 per unit");
    EXPECT_EQ(p.muster.gemusterteFolgen(), vorSkala + 64u);

    p.beide([](QtZeichenflaeche& b) {
        b.resize(437, 441);
        b.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    });
    loecherGleich("437 x 441");
    p.beide([](QtZeichenflaeche& b) { b.resize(440, 440); });
    loecherGleich("back to 440");
    EXPECT_EQ(p.muster.gemusterteFolgen(), vorSkala + 128u);
}

TEST(PointPatterns, OriginsAtEdgesOffPixelsAndBetweenImagePixels)
{
    // One unit is one widget pixel; the points sit at exact pixel corners,
    // pixel middles and hard by a pixel boundary.
    const Punktfolge folge(std::vector<FarbPunkt>{{0.0, 0.0, Farbe{255, 0, 0}},
                                                  {0.5, 2.5, Farbe{0, 255, 0}},
                                                  {3.25, 1.0, Farbe{0, 0, 255}},
                                                  {3.75, 1.0, Farbe{9, 9, 9}},
                                                  {-2.5, -1.5, Farbe{200, 100, 0}}});
    const Punktfolge knapp(std::vector<FarbPunkt>{{0.5, 0.5, Farbe{}}, {1.0 - 1e-7, 0.5, Farbe{255, 0, 255}}});
    for (qreal verhaeltnis : {1.0, 1.5, 2.0})
        for (int stift : {1, 2, 5}) {
            Musterpaar p(100, 80, verhaeltnis, Farbe{255, 255, 255});
            p.beide([stift](QtZeichenflaeche& b) {
                b.massstabSetzen(0, 0, 100, 80);
                b.stiftbreiteSetzen(stift);
            });
            const auto gleich = [&p](double x, double y, const Punktfolge& f) {
                p.beide([&](QtZeichenflaeche& b) { b.punktfolge(x, y, f); });
                return p.abweichend();
            };
            const std::string fall = std::to_string(verhaeltnis) + " pen " + std::to_string(stift);
            // Whole origins, inside, across the near and onto the far edges.
            for (double x : {10.0, 11.0, 1.0, -1.0, 96.0, 97.0, 99.0, 100.0})
                EXPECT_EQ(gleich(x, 40, folge), 0) << fall << " x " << x;
            for (double y : {1.0, 0.0, 77.0, 78.0, 79.0, 80.0})
                EXPECT_EQ(gleich(40, y, folge), 0) << fall << " y " << y;
            // Off whole pixels, a hair off them, far away.
            for (double x : {20.5, 30 + 1e-12, 30 - 1e-9, 40.999999, 1e7, -1e9})
                EXPECT_EQ(gleich(x, 50, folge), 0) << fall << " x " << x;
            EXPECT_EQ(gleich(60, 30, knapp), 0) << fall;
            EXPECT_EQ(gleich(60.25, 30.5, knapp), 0) << fall;
        }

    // At 1.5 a whole widget pixel moves the picture by one and a half image
    // pixels: only even origins keep the pattern's dots on the same pixels.
    Musterpaar p(100, 80, 1.5, Farbe{255, 255, 255});
    p.beide([](QtZeichenflaeche& b) { b.massstabSetzen(0, 0, 100, 80); });
    p.muster.punktfolge(10, 40, folge);
    EXPECT_EQ(p.muster.gemusterteFolgen(), 1u);
    p.muster.punktfolge(11, 40, folge);
    p.muster.punktfolge(20.5, 40, folge);
    p.muster.punktfolge(60, 30, knapp);
    EXPECT_EQ(p.muster.gemusterteFolgen(), 1u);
}

} // namespace
