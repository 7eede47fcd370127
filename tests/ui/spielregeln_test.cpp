// The rules window and its pictures: title, scrolling, the object sections, and pictures that show what the rules do.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "model/regelbeispiel.h"
#include "render/aussehen.h"
#include "render/regelbild.h"
#include "ui/rasterflaeche.h"
#include "ui/spielregeln.h"
#include "tests/ui/fenster.h"

namespace {

struct Einlauf {
    Richtung richtung;
    const char* buchstabe;
};
const Einlauf einlaeufe[] = {{nord, "N"}, {ost, "O"}, {sued, "S"}, {west, "W"}};

QColor als(Farbe f) { return QColor(f.r, f.g, f.b); }

QString kennung(int code, const Einlauf& e) { return QStringLiteral("%1-%2").arg(code).arg(QLatin1String(e.buchstabe)); }

// How many logical pixels of colour c lie within 0.3 units of place o.
int umOrt(const Rasterflaeche& f, Ort o, QColor c)
{
    int n = 0;
    for (double dy = -0.3; dy <= 0.3; dy += 1.0 / regelbildZelle)
        for (double dx = -0.3; dx <= 0.3; dx += 1.0 / regelbildZelle)
            n += f.farbeBei(o.x + 0.5 + dx, o.y + 0.5 + dy) == c;
    return n;
}

// Pixels where two pictures of one size differ; all of them when the sizes differ.
int abweichend(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

// On each of the four sides a player finds the yellow start marker where the
// probe went in, the white one where it came out, and nothing elsewhere; the
// yellow trail runs between the ring and the object.
TEST(RulesPicture, MarkersAndTrailShowWhereTheProbeWent)
{
    const Ort seiten[] = {{1, 3}, {-1, 1}, {1, -1}, {3, 1}};
    for (int code = 1; code < anzahlCodes; ++code)
        for (const Einlauf& e : einlaeufe) {
            SCOPED_TRACE("code " + std::to_string(code) + " heading " + e.buchstabe);
            const Regelbeispiel b = regelbeispiel(code, e.richtung);
            Rasterflaeche f;
            f.masseSetzen(QSize(regelbildSeite, regelbildSeite), 1.0);
            f.kantenglaettungSetzen(false);
            regelbildZeichnen(f, b);
            const bool heraus = b.ende == Regelbeispiel::Ende::Verlassen;
            for (Ort o : seiten) {
                const bool start = o == b.weg.front();
                const bool ausgang = heraus && o == b.weg.back();
                // A trail through the place shows yellow too, but as a thin line.
                EXPECT_EQ(umOrt(f, o, als(markerGelb)) > 40, start) << o.x << "," << o.y;
                EXPECT_EQ(umOrt(f, o, als(markerAusgangWeiss)) > 0, ausgang) << o.x << "," << o.y;
            }
            // The first and last segments lie outside the object's cell.
            for (std::size_t k : {std::size_t{1}, b.weg.size() - 1}) {
                const Ort a = b.weg[k - 1];
                const Ort z = b.weg[k];
                if (z == Ort{beispielMitte, beispielMitte})
                    continue;
                EXPECT_EQ(f.farbeBei(a.x + 0.5 + 0.7 * (z.x - a.x), a.y + 0.5 + 0.7 * (z.y - a.y)), als(spielGelb))
                    << "segment " << k;
            }
        }
}

namespace {

// A picture drawn with hard edges, so that every pixel shows one colour drawn.
void hartZeichnen(Rasterflaeche& f, const Regelbeispiel& b)
{
    f.masseSetzen(QSize(regelbildSeite, regelbildSeite), 1.0);
    f.kantenglaettungSetzen(false);
    regelbildZeichnen(f, b);
}

} // namespace

// The example board lacked the grid marks of its right and bottom edge.
TEST(RulesPicture, GridMarksOnEveryGridPointUpToTheFarEdges)
{
    for (int code = 0; code < anzahlCodes; ++code) {
        SCOPED_TRACE("code " + std::to_string(code));
        Rasterflaeche f;
        hartZeichnen(f, regelbeispiel(code, nord));
        for (int y = 0; y <= beispielGroesse; ++y)
            for (int x = 0; x <= beispielGroesse; ++x)
                EXPECT_EQ(f.farbeBei(x, y), als(gitterFarbe)) << x << "," << y;
    }
    Rasterflaeche danach;
    danach.masseSetzen(QSize(danachbildSeite, danachbildSeite), 1.0);
    danachbildZeichnen(danach, regelbeispiel(Falltuer, nord));
    for (int y = 0; y <= 1; ++y)
        for (int x = 0; x <= 1; ++x)
            EXPECT_EQ(danach.farbeBei(x, y), als(gitterFarbe)) << "afterwards " << x << "," << y;
}

// A black hole's picture showed a white exit marker on the hole. The hole's
// spiral is white in its middle too, so the marker's dark rim tells.
TEST(RulesPicture, HeldProbeGetsNoExitMarkerOnTheHole)
{
    for (const Einlauf& e : einlaeufe) {
        SCOPED_TRACE(e.buchstabe);
        Rasterflaeche f;
        hartZeichnen(f, regelbeispiel(SchwarzesLoch, e.richtung));
        EXPECT_EQ(umOrt(f, {beispielMitte, beispielMitte}, als(markerRand)), 0);
    }
}

// The pictures showed the object as the probe left it, a trapdoor as the
// cat's eye it becomes: what the object turns into must not show.
TEST(RulesPicture, ObjectIsShownAsItWasBeforeTheProbe)
{
    for (int code : {DrehspiegelWaagerecht, DrehspiegelSenkrecht, Falltuer})
        for (const Einlauf& e : einlaeufe) {
            SCOPED_TRACE("code " + std::to_string(code) + " heading " + e.buchstabe);
            const Regelbeispiel b = regelbeispiel(code, e.richtung);
            Regelbeispiel unveraendert = b;
            unveraendert.codeDanach = b.code;
            const QImage bild = Spielregeln::regelbild(b, 1.0).toImage();
            EXPECT_EQ(abweichend(bild, Spielregeln::regelbild(unveraendert, 1.0).toImage()), 0);
            if (b.codeDanach != b.code) {
                Regelbeispiel alsDanach = b;
                alsDanach.code = b.codeDanach;
                EXPECT_GT(abweichend(bild, Spielregeln::regelbild(alsDanach, 1.0).toImage()), 0);
            }
        }
}

// Painted at ratio 1 and scaled up, the pictures came out blurred on a
// screen at ratio 2: they hold the pixels the surface paints at that ratio.
TEST(RulesPicture, PaintedAtTheScreensPixelRatio)
{
    const Regelbeispiel b = regelbeispiel(DrehspiegelSenkrecht, ost);
    const QPixmap bild = Spielregeln::regelbild(b, 2.0);
    EXPECT_EQ(bild.devicePixelRatio(), 2.0);
    EXPECT_EQ(bild.deviceIndependentSize(), QSizeF(regelbildSeite, regelbildSeite));
    Rasterflaeche f;
    f.masseSetzen(QSize(regelbildSeite, regelbildSeite), 2.0);
    regelbildZeichnen(f, b);
    EXPECT_EQ(abweichend(bild.toImage(), f.bild()), 0);

    const QPixmap danach = Spielregeln::danachbild(b, 2.0);
    EXPECT_EQ(danach.devicePixelRatio(), 2.0);
    Rasterflaeche g;
    g.masseSetzen(QSize(danachbildSeite, danachbildSeite), 2.0);
    danachbildZeichnen(g, b);
    EXPECT_EQ(abweichend(danach.toImage(), g.bild()), 0);
}

class RulesWindow : public ::testing::Test {
protected:
    Spielregeln r;

    void SetUp() override
    {
        r.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&r));
    }
    QLabel* bild(const QString& name) const { return r.inhalt()->findChild<QLabel*>(name); }
};

TEST_F(RulesWindow, IsANonModalWindowWithItsTitle)
{
    EXPECT_EQ(r.windowTitle(), QString::fromUtf8("Tarnkiste \u2013 Spielregeln"));
    EXPECT_TRUE(r.isWindow());
    EXPECT_FALSE(r.isModal());
    // With the game's window as parent it is still a window of its own.
    QWidget spiel;
    Spielregeln kind(&spiel);
    EXPECT_TRUE(kind.isWindow());
}

TEST_F(RulesWindow, ScrollsDownToTheLastPicture)
{
    QScrollBar* leiste = r.rollbereich()->verticalScrollBar();
    ASSERT_GT(leiste->maximum(), 0);
    QLabel* letztes = bild(QStringLiteral("danachbild-11-W"));
    ASSERT_NE(letztes, nullptr);
    EXPECT_TRUE(letztes->visibleRegion().isEmpty());
    leiste->setValue(leiste->maximum());
    EXPECT_FALSE(letztes->visibleRegion().isEmpty());
}

TEST_F(RulesWindow, HasASectionWithItsLegendPictureForEveryObjectKind)
{
    QSet<QString> ueberschriften;
    for (const QLabel* l : r.inhalt()->findChildren<QLabel*>(QStringLiteral("ueberschrift")))
        ueberschriften.insert(l->text());
    for (const char* art : {"Katzenauge", "Umlenkspiegel", "Drehspiegel", "Halbdurchlässiger Spiegel",
                            "Schwarzes Loch", "Falltür"})
        EXPECT_TRUE(ueberschriften.contains(QString::fromUtf8(art))) << art;
    for (int index : {0, 1, 2, 3, 4, 5, 7}) {
        const QLabel* l = bild(QStringLiteral("legende-%1").arg(index));
        ASSERT_NE(l, nullptr) << index;
        EXPECT_FALSE(l->pixmap().isNull()) << index;
    }
}

// Every code from every side, and the object afterwards exactly for the
// rotating mirror and the trapdoor; each picture is the one drawn from the
// rules' example, and changing that example by one step of its path or by
// the object it leaves behind changes the picture.
TEST_F(RulesWindow, ShowsEveryCodeFromEverySideAsTheRulesRunIt)
{
    const qreal verhaeltnis = r.devicePixelRatioF();
    for (int code = 1; code < anzahlCodes; ++code)
        for (const Einlauf& e : einlaeufe) {
            SCOPED_TRACE(kennung(code, e).toStdString());
            const Regelbeispiel b = regelbeispiel(code, e.richtung);
            const QLabel* l = bild(QStringLiteral("regelbild-") + kennung(code, e));
            ASSERT_NE(l, nullptr);
            const QImage gezeigt = l->pixmap().toImage();
            EXPECT_EQ(gezeigt, Spielregeln::regelbild(b, verhaeltnis).toImage());

            Regelbeispiel anders = b;
            const Ort vorletzter = anders.weg[anders.weg.size() - 2];
            anders.weg.back() = {2 * vorletzter.x - anders.weg.back().x, 2 * vorletzter.y - anders.weg.back().y};
            EXPECT_NE(gezeigt, Spielregeln::regelbild(anders, verhaeltnis).toImage());

            const QLabel* danach = bild(QStringLiteral("danachbild-") + kennung(code, e));
            const bool aendert = code == DrehspiegelWaagerecht || code == DrehspiegelSenkrecht || code == Falltuer;
            ASSERT_EQ(danach != nullptr, aendert);
            if (danach) {
                EXPECT_EQ(danach->pixmap().toImage(), Spielregeln::danachbild(b, verhaeltnis).toImage());
                anders = b;
                anders.codeDanach = (b.codeDanach + 1) % anzahlCodes;
                EXPECT_NE(danach->pixmap().toImage(), Spielregeln::danachbild(anders, verhaeltnis).toImage());
            }
        }
}

// The pictures of mirror 5 stood under mirror 4's line and the other way
// round: every code's pictures lie below its own line and above the next.
TEST_F(RulesWindow, EachCodesPicturesStandUnderItsOwnLine)
{
    std::vector<std::pair<int, int>> zeilen;  // height in the window, code
    for (const QLabel* l : r.inhalt()->findChildren<QLabel*>())
        if (l->text().startsWith(QStringLiteral("Nummer ")))
            zeilen.emplace_back(l->mapTo(r.inhalt(), QPoint()).y(), l->text().mid(7).section(u':', 0, 0).toInt());
    std::sort(zeilen.begin(), zeilen.end());
    ASSERT_EQ(zeilen.size(), static_cast<std::size_t>(anzahlCodes - 1));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const auto [oben, code] = zeilen[i];
        const int unten = i + 1 < zeilen.size() ? zeilen[i + 1].first : INT_MAX;
        for (const Einlauf& e : einlaeufe) {
            const QLabel* l = bild(QStringLiteral("regelbild-") + kennung(code, e));
            ASSERT_NE(l, nullptr) << code << e.buchstabe;
            const int y = l->mapTo(r.inhalt(), QPoint()).y();
            EXPECT_TRUE(y > oben && y < unten) << "Nummer " << code << " " << e.buchstabe << " at " << y
                                               << ", its line at " << oben << ", the next at " << unten;
        }
    }
}

namespace {

// From the game's window: F1 and the menu bar open one and the same window,
// on the start screen and in the middle of a run, and the game goes on as it was.
TEST_F(FensterTest, RulesOpenWithF1AtAnyTimeAndChangeNothing)
{
    aktivieren();
    const Spielstand vorher = f->spiel();
    QTest::keyClick(f->windowHandle(), Qt::Key_F1);
    QCoreApplication::processEvents();
    Spielregeln* regeln = f->spielregeln();
    ASSERT_NE(regeln, nullptr);
    EXPECT_TRUE(regeln->isVisible());
    EXPECT_TRUE(f->spiel() == vorher);
    regeln->close();

    starten();
    f->spiel().feldVorgabe(3, 0) = Katzenauge;
    const long long vorDemLauf = u.zeit->aufrufe;
    u.zeit->beiWarten = [this, vorDemLauf](long long aufruf) {
        if (aufruf == vorDemLauf + 20)
            f->cmdSpielregeln->trigger();
    };
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    klicken(f->Command5);
    EXPECT_EQ(f->spielregeln(), regeln);
    EXPECT_TRUE(regeln->isVisible());
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("16")) << "the run went on to its end";
}

} // namespace
