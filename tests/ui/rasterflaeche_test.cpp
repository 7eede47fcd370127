// Pixels of boards, glyphs, compass, trail and blind as a surface draws them, and the widget that shows them.
#include <cmath>
#include <string>
#include <tuple>

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
#include "ui/rasterflaeche.h"
#include "tools/glyphenbogen.h"

namespace {

QColor als(Farbe f) { return QColor(f.r, f.g, f.b); }
std::string name(Seite s) { return s == Seite::Vorgabe ? "Vorgabe" : "Nachbau"; }

// A surface of w x h pixels with hard edges (every pixel shows one of the
// colours drawn) unless `glatt`.
void einrichten(Rasterflaeche& box, int w, int h, qreal verhaeltnis, Farbe grund, bool glatt = false)
{
    box.masseSetzen(QSize(w, h), verhaeltnis);
    box.kantenglaettungSetzen(glatt);
    box.hintergrundSetzen(grund);
}

// A field picture at design size, 440 pixels for -1..9, with its board.
struct Feldbild {
    Rasterflaeche box;
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
int zaehle(const Rasterflaeche& box, double x1, double y1, double x2, double y2, QColor c)
{
    int n = 0;
    for (double y = y1; y <= y2; y += 1.0 / 44)
        for (double x = x1; x <= x2; x += 1.0 / 44)
            n += box.farbeBei(x, y) == c;
    return n;
}

// The bounding box of the image pixels of colour c, within `in` (logical
// pixels) or, for a null rectangle, anywhere.
QRect farbigerBereich(const QImage& bild, QRgb c, QRect in)
{
    const qreal v = bild.devicePixelRatio();
    const QRect suche = in.isNull() ? bild.rect() : QRect(in.topLeft() * v, in.size() * v);
    QRect r;
    for (int y = suche.top(); y <= suche.bottom(); ++y)
        for (int x = suche.left(); x <= suche.right(); ++x)
            if (bild.pixel(x, y) == c)
                r |= QRect(x, y, 1, 1);
    return r;
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
    Rasterflaeche box;

    explicit Kompassbild(Richtung r, qreal verhaeltnis = 1.0, bool glatt = false)
    {
        einrichten(box, 105, 113, verhaeltnis, Farbe{240, 240, 240}, glatt);
        box.schriftSetzen(QFont(QStringLiteral("Liberation Serif"), 9));
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

TEST(TrailPicture, OnePixelWideInTheTrailColourWhateverPenCameBefore)
{
    const QRgb gelb = qRgb(255, 255, 0);
    for (int verhaeltnis : {1, 2}) {
        Feldbild f(Seite::Nachbau, verhaeltnis);
        f.box.stiftbreiteSetzen(5);
        spurZeichnen(f.box, 0.5, 3.5, 7.5, 3.5);
        for (double x = 0.5; x <= 7.5; x += 0.25)
            EXPECT_EQ(f.box.farbeBei(x, 3.5), QColor(gelb)) << x;
        // Across the line in the middle of a cell and at a grid line.
        for (double x : {2.5, 4.0})
            EXPECT_EQ(farbigerBereich(f.box.bild(), gelb, f.box.nachPixeln(x, 0, 1.0 / 44, 8)).height(), verhaeltnis)
                << x << " at ratio " << verhaeltnis;
    }
}

// A cell drawn over the trail wipes it from a tenth to nine tenths of the
// cell, grown by the glyph's pen: what is left of the trail are the stubs
// across the grid lines, as wide on both sides.
TEST(TrailPicture, ACellDrawnOverTheTrailLeavesItsStubsAtTheGridLines)
{
    for (qreal verhaeltnis : {1.0, 2.0})
        for (auto [code, stummel] : {std::pair{int(Leer), 4}, {int(Katzenauge), 3}}) {
            Feldbild f(Seite::Nachbau, verhaeltnis);
            spurZeichnen(f.box, 0.5, 3.5, 7.5, 3.5);
            f.zelle(code, 3, 3);
            std::string reihe;
            for (int i = 0; i < 44; ++i)
                reihe += f.box.farbeBei(3 + (i + 0.5) / 44, 3.5) == QColor(255, 255, 0) ? 'y' : '.';
            EXPECT_EQ(reihe, std::string(stummel, 'y') + std::string(44 - 2 * stummel, '.') + std::string(stummel, 'y'))
                << code << " at ratio " << verhaeltnis;
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
    // A probe's trail starts on its place in the margin ring.
    spurZeichnen(f.box, -0.5, 3.5, 8.5, 3.5);
    spurZeichnen(f.box, 4.5, 4.5, 4.5, 4.5);
    ASSERT_EQ(f.box.farbeBei(4.5, 4.5), QColor(255, 255, 0)) << "Stillstand gibt einen Punkt";
    spurLoeschen(f.box, feld);
    EXPECT_TRUE(f.box.bild() == erwartet.box.bild());

    // After a wide pen the board's fill reaches two pixels beyond the board,
    // which spans pixels 44 to 396; nothing else changes.
    f.box.stiftbreiteSetzen(5);
    spurLoeschen(f.box, feld);
    const QRect brett(QPoint(44, 44), QPoint(396, 396));
    int anders = 0;
    for (int y = 0; y < 440; ++y)
        for (int x = 0; x < 440; ++x)
            if (f.box.bild().pixel(x, y) != erwartet.box.bild().pixel(x, y)) {
                ++anders;
                ASSERT_TRUE(brett.adjusted(-2, -2, 2, 2).contains(x, y) && !brett.contains(x, y)) << x << "," << y;
                ASSERT_EQ(f.box.bild().pixelColor(x, y), als(farbeNachbau)) << x << "," << y;
            }
    EXPECT_GT(anders, 0) << "breiter Stift: Brett reicht ueber den Rand";
}

// The set-up's blind: white grid lines on teal, and the window's notes,
// dots of the pen in force, white and three pixels wide, also after a wipe.
// (The set-up's fields and compass scale are held by the kept pictures.)
TEST(GameSetup, BlindGetsItsGridAndNotesPenAndTheCompassStaysEmpty)
{
    for (int verhaeltnis : {1, 2}) {
        SCOPED_TRACE(verhaeltnis);
        Spielflaechen flaechen(verhaeltnis);
        Rasterflaeche& rollo = flaechen.rollo;
        rollo.kantenglaettungSetzen(false);  // every pixel of a note white
        const auto notizBreite = [&rollo] {
            rollo.punkt(4.5, 4.5);
            const QRect weiss = farbigerBereich(rollo.bild(), qRgb(255, 255, 255), rollo.nachPixeln(4.1, 4.1, 0.8, 0.8));
            return weiss.width() == weiss.height() ? weiss.width() : -1;
        };
        for (int wischen = 0; wischen < 2; ++wischen) {
            for (int k = 0; k < feldGroesse; ++k)
                EXPECT_EQ(rollo.farbeBei(k + 0.5, k + 0.5), als(rolloTuerkis)) << k;
            // Nine lines each way, the first on the near edge and the last on
            // the far one, each one pixel wide.
            const QImage& bild = rollo.bild();
            const auto weiss = [&bild](int x, int y) { return bild.pixel(x, y) == qRgb(255, 255, 255); };
            const int mitte = static_cast<int>(rollo.nachPixeln(2.5, 2.5, 0, 0).top() * verhaeltnis);
            const int rand = bild.width() - 1;
            EXPECT_TRUE(weiss(0, mitte) && weiss(rand, mitte) && weiss(mitte, 0) && weiss(mitte, rand));
            int quer = 0, laengs = 0;
            for (int i = 0; i <= rand; ++i) {
                quer += weiss(i, mitte);
                laengs += weiss(mitte, i);
            }
            EXPECT_EQ(quer, 9 * verhaeltnis);
            EXPECT_EQ(laengs, 9 * verhaeltnis);
            EXPECT_EQ(notizBreite(), 3 * verhaeltnis);
            rolloWischen(rollo);
            EXPECT_EQ(rollo.farbeBei(4.5, 4.5), als(rolloTuerkis)) << "note wiped";
        }
        QImage leer(flaechen.kompass.bild().size(), flaechen.kompass.bild().format());
        leer.fill(QColor(240, 240, 240));
        EXPECT_TRUE(flaechen.kompass.bild() == leer) << "the compass waits for its first heading";
    }
}

// The picture box itself: pens, rectangles, text, persistence, children.
QRect schwarzerBereich(const QImage& bild) { return farbigerBereich(bild, qRgb(0, 0, 0), QRect()); }

TEST(RasterSurface, PointAndLineAsWideAsThePenInImagePixels)
{
    for (auto [stift, verhaeltnis] : {std::pair{1, 1.0}, {2, 1.0}, {5, 1.0}, {12, 1.0}, {1, 2.0}, {5, 2.0}}) {
        const int d = static_cast<int>(stift * verhaeltnis);
        Rasterflaeche punkt, linie;
        for (Rasterflaeche* b : {&punkt, &linie}) {
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

TEST(RasterSurface, RectangleWithBothCornersGrowsWithThePen)
{
    for (auto [stift, rand] : {std::pair{1, 0}, {3, 1}, {5, 2}}) {
        Rasterflaeche box;
        einrichten(box, 100, 100, 1.0, Farbe{255, 255, 255});
        box.massstabSetzen(0, 0, 10, 10);
        box.stiftbreiteSetzen(stift);
        box.rechteckFuellen(3, 3, 2, 2, Farbe{});
        EXPECT_EQ(schwarzerBereich(box.bild()), QRect(QPoint(20 - rand, 20 - rand), QPoint(30 + rand, 30 + rand)));
    }
}

TEST(RasterSurface, CircleIsRoundOnUnequalAxesAndTextHangsFromItsCorner)
{
    Rasterflaeche box;
    einrichten(box, 200, 100, 1.0, Farbe{255, 255, 255});
    box.massstabSetzen(-1, -1, 1, 1);
    box.vordergrundSetzen(Farbe{});
    box.kreis(0, 0, 0.4);
    EXPECT_EQ(schwarzerBereich(box.bild()).size(), QSize(81, 81));

    box.leeren();
    box.text(-0.5, 0, "W");
    const QRect r = schwarzerBereich(box.bild());
    EXPECT_GE(r.top(), 50);
    EXPECT_LT(r.bottom(), 50 + QFontMetrics(box.schrift()).height());
    EXPECT_TRUE(r.left() >= 50 && r.left() < 53) << r.left();
}

TEST(RasterSurface, LinesOnTheFarEdgeStayVisible)
{
    Rasterflaeche rollo;
    einrichten(rollo, 343, 343, 1.0, Farbe{0, 150, 150});
    rollo.massstabSetzen(0, 0, 8, 8);
    rollo.linie(8, 0, 8, 8, Farbe{255, 255, 255});
    rollo.linie(0, 8, 8, 8, Farbe{255, 255, 255});
    EXPECT_EQ(rollo.bild().pixelColor(342, 100), Qt::white);
    EXPECT_EQ(rollo.bild().pixelColor(100, 342), Qt::white);
}

TEST(RasterSurface, PictureSurvivesRatioAndSizeChanges)
{
    Rasterflaeche box;
    einrichten(box, 100, 100, 1.0, Farbe{255, 255, 255});
    box.massstabSetzen(0, 0, 10, 10);
    box.rechteckFuellen(2, 2, 3, 3, Farbe{200, 0, 0});

    box.masseSetzen(QSize(100, 100), 2.0);
    EXPECT_EQ(box.bild().size(), QSize(200, 200));
    EXPECT_EQ(box.bild().devicePixelRatio(), 2.0);
    EXPECT_EQ(box.farbeBei(2.5, 2.5), QColor(200, 0, 0));

    box.masseSetzen(QSize(160, 100), 2.0);
    box.massstabSetzen(0, 0, 16, 10);
    box.punkt(15, 5, Farbe{});
    EXPECT_EQ(box.bild().size(), QSize(320, 200));
    EXPECT_EQ(box.farbeBei(2.5, 2.5), QColor(200, 0, 0));
    EXPECT_EQ(box.farbeBei(15, 5), Qt::black);

    box.hintergrundSetzen(Farbe{1, 2, 3});
    EXPECT_EQ(box.farbeBei(2.5, 2.5), QColor(1, 2, 3));
}

// A surface that changed size kept its old pixels per unit, so what was
// drawn afterwards landed where the old size put it.
TEST(RasterSurface, NewSizeKeepsTheScaleAcrossIt)
{
    for (auto [breite, hoehe, verhaeltnis] : {std::tuple{200, 100, 1.0}, {50, 300, 1.0}, {200, 100, 2.0}}) {
        SCOPED_TRACE(std::to_string(breite) + "x" + std::to_string(hoehe) + " at " + std::to_string(verhaeltnis));
        Rasterflaeche box;
        einrichten(box, 100, 100, 1.0, Farbe{255, 255, 255});
        box.massstabSetzen(0, 0, 10, 10);
        box.masseSetzen(QSize(breite, hoehe), verhaeltnis);
        box.rechteckFuellen(6, 6, 6, 6, Farbe{});
        box.linie(0, 3, 10, 3, Farbe{200, 0, 0});
        // Unit (6, 6) is the logical pixel at 6/10 of each side, row 3 at 3/10 of the height.
        const QImage& bild = box.bild();
        const auto bildpunkt = [&](double x, double y) {
            return bild.pixelColor(static_cast<int>((x + 0.5) * verhaeltnis), static_cast<int>((y + 0.5) * verhaeltnis));
        };
        EXPECT_EQ(bildpunkt(breite * 6 / 10, hoehe * 6 / 10), QColor(Qt::black));
        EXPECT_EQ(schwarzerBereich(bild).size(), QSize(static_cast<int>(verhaeltnis), static_cast<int>(verhaeltnis)));
        EXPECT_EQ(bildpunkt(breite - 1, hoehe * 3 / 10), QColor(200, 0, 0)) << "the line reaches the new right edge";
    }
}

// A smoothed dot left the last solid dot remembered, so the next solid dot
// over the same pixels in the same colour was skipped.
TEST(RasterSurface, SolidDotOverASmoothedOneIsDrawn)
{
    for (qreal verhaeltnis : {1.0, 2.0}) {
        Rasterflaeche box;
        einrichten(box, 100, 100, verhaeltnis, Farbe{255, 255, 255}, true);
        box.massstabSetzen(0, 0, 10, 10);
        box.punkt(5, 5, Farbe{255, 0, 0});
        box.stiftbreiteSetzen(5);
        box.punkt(5, 5, Farbe{0, 0, 255});
        box.stiftbreiteSetzen(1);
        box.punkt(5, 5, Farbe{255, 0, 0});
        EXPECT_EQ(box.farbeBei(5, 5), QColor(255, 0, 0)) << verhaeltnis;
    }
}

// The window draws on its surfaces before it is shown, when a widget has
// not yet been told of its new size.
TEST(SurfaceWidget, HiddenWidgetDrawsAtItsNewSizeAndShowsThePicture)
{
    for (qreal verhaeltnis : {1.0, 2.0, 0.75}) {
        QtZeichenflaeche box;
        box.geraetePixelVerhaeltnisSetzen(verhaeltnis);
        box.ortSetzen(QRect(0, 0, 120, 80));
        box.kantenglaettungSetzen(false);
        box.hintergrundSetzen(Farbe{255, 255, 255});
        box.massstabSetzen(0, 0, 12, 8);
        box.rechteckFuellen(10, 6, 11, 7, Farbe{200, 0, 0});
        EXPECT_EQ(box.bild().size(), QSize(qRound(120 * verhaeltnis), qRound(80 * verhaeltnis))) << verhaeltnis;
        EXPECT_EQ(box.farbeBei(10.5, 6.5), QColor(200, 0, 0)) << verhaeltnis;
        if (verhaeltnis == 1.0) {
            EXPECT_EQ(box.grab().toImage().convertToFormat(QImage::Format_RGB32), box.bild());
        }
    }
}

TEST(SurfaceWidget, ChildrenAndMouseInUnits)
{
    QtZeichenflaeche box;
    box.ortSetzen(QRect(0, 0, 440, 440));
    box.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    QWidget rollo(&box);
    box.kindPlatzieren(&rollo, 0.1, 0.1, 7.8, 7.8);
    EXPECT_EQ(rollo.geometry(), QRect(48, 48, 343, 343));
    EXPECT_EQ(box.nachPixeln(-0.65, 8.25, markerBreite, markerHoehe), QRect(15, 407, 17, 25));
    EXPECT_EQ(box.nachEinheiten(QPointF(66, 44)), QPointF(0.5, 0.0));
}

} // namespace
