// The window's pictures: listed sizes at both pixel ratios, visible content, arrow directions, icon sizes, PNG export.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QPixmap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <vector>

#include "ui/kunstwerk.h"
#include "ui/legende.h"
#include "ui/spaetesbild.h"

namespace {

struct Bild {
    const char* name;
    std::function<QPixmap(qreal)> malen;
    QSize groesse;
};

std::vector<Bild> alleBilder()
{
    std::vector<Bild> bilder{
        {"startknopf", [](qreal r) { return startKnopfBild(r); }, {88, 87}},
        {"startbild", [](qreal r) { return startBild(r); }, {345, 348}},
        {"stop", [](qreal r) { return stopBild(r); }, {49, 48}},
        {"lautsprecher", [](qreal r) { return lautsprecherBild(r); }, {54, 51}},
        {"startsonde", [](qreal r) { return startSondeBild(r); }, {112, 34}},
        {"tarnkiste-erstellen", [](qreal r) { return tarnkisteErstellenBild(r); }, {330, 64}},
        {"pfeil-hoch", [](qreal r) { return pfeilBild(nord, r); }, {12, 15}},
        {"pfeil-runter", [](qreal r) { return pfeilBild(sued, r); }, {12, 15}},
        {"kopieren-rechts", [](qreal r) { return kopierPfeil(true, r); }, {32, 24}},
        {"kopieren-links", [](qreal r) { return kopierPfeil(false, r); }, {32, 24}},
        {"randhintergrund", [](qreal r) { return randHintergrundBild(r); }, {63, 63}},
    };
    const std::map<int, QSize> legende{{0, {42, 43}}, {1, {42, 42}}, {2, {45, 43}}, {3, {47, 47}},
                                       {4, {46, 49}}, {5, {47, 47}}, {7, {43, 44}}};
    for (const auto& [index, groesse] : legende)
        bilder.push_back({"legende", [i = index](qreal r) { return legendenBild(i, r); }, groesse});
    return bilder;
}

QImage argb(const QPixmap& p)
{
    return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Share of the pixels taken by the most frequent colour, and how many colours there are.
std::pair<double, std::size_t> farbverteilung(const QImage& bild)
{
    std::map<QRgb, int> anzahl;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            ++anzahl[bild.pixel(x, y)];
    int haeufigste = 0;
    for (const auto& [farbe, n] : anzahl)
        haeufigste = std::max(haeufigste, n);
    return {static_cast<double>(haeufigste) / (bild.width() * bild.height()), anzahl.size()};
}

// Mean difference per channel (0..255) of two images of equal size.
double mittlereAbweichung(const QImage& a, const QImage& b)
{
    double summe = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            summe += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return summe / (4.0 * a.width() * a.height());
}

bool deckend(QRgb p, bool aufWeiss)
{
    return aufWeiss ? qGray(p) < 128 : qAlpha(p) > 128;
}

// Index of the row (or column) with the most ink.
int breitesteStelle(const QImage& bild, bool zeilen, bool aufWeiss)
{
    const int aussen = zeilen ? bild.height() : bild.width();
    const int innen = zeilen ? bild.width() : bild.height();
    int beste = -1;
    int besteMenge = -1;
    for (int i = 0; i < aussen; ++i) {
        int menge = 0;
        for (int j = 0; j < innen; ++j)
            menge += deckend(zeilen ? bild.pixel(j, i) : bild.pixel(i, j), aufWeiss) ? 1 : 0;
        if (menge > besteMenge) {
            besteMenge = menge;
            beste = i;
        }
    }
    return beste;
}

TEST(Artwork, EveryPictureHasItsSize)
{
    for (const Bild& b : alleBilder()) {
        SCOPED_TRACE(b.name);
        const QPixmap einfach = b.malen(1.0);
        EXPECT_EQ(einfach.size(), b.groesse);
        EXPECT_DOUBLE_EQ(einfach.devicePixelRatio(), 1.0);

        const QPixmap doppelt = b.malen(2.0);
        EXPECT_EQ(doppelt.size(), b.groesse * 2);
        EXPECT_DOUBLE_EQ(doppelt.devicePixelRatio(), 2.0);
        EXPECT_EQ(doppelt.deviceIndependentSize().toSize(), b.groesse);
    }
}

TEST(Artwork, UnusableRatioCountsAsOne)
{
    for (qreal r : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN()}) {
        EXPECT_EQ(startKnopfBild(r).size(), QSize(88, 87));
        EXPECT_EQ(legendenBild(3, r).size(), QSize(47, 47));
    }
}

TEST(Artwork, EveryPictureShowsSomething)
{
    for (const Bild& b : alleBilder()) {
        SCOPED_TRACE(b.name);
        const auto [anteil, farben] = farbverteilung(argb(b.malen(1.0)));
        EXPECT_GE(farben, 3u);
        // Not a bare ground: a legend cell with only its corner marks would fail here.
        EXPECT_LT(anteil, 0.95);
    }
}

// At ratio 2 the drawing must be scaled, not painted into one quarter.
TEST(Artwork, DoubleDensityShowsTheSamePicture)
{
    for (const Bild& b : alleBilder()) {
        SCOPED_TRACE(b.name);
        const QImage einfach = argb(b.malen(1.0));
        const QImage verkleinert =
            argb(b.malen(2.0)).scaled(b.groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(mittlereAbweichung(einfach, verkleinert), 8.0);
    }
}

TEST(Artwork, OnlyTheFormsLegendPicturesExist)
{
    for (int i : {-1, 6, 8, 11})
        EXPECT_TRUE(legendenBild(i).isNull()) << i;
}

// The legend showed the falling mirror twice and the rising one nowhere: each
// picture shows an object of its own, and each mirror lies on its diagonal.
TEST(Artwork, EveryLegendPictureShowsItsOwnObject)
{
    std::vector<QImage> bilder;
    for (const Legendeneintrag& e : legende())
        bilder.push_back(argb(legendenBild(e.bild)));
    for (std::size_t i = 0; i < bilder.size(); ++i)
        for (std::size_t j = i + 1; j < bilder.size(); ++j)
            EXPECT_NE(bilder[i], bilder[j]) << legende()[i].name << " and " << legende()[j].name;

    // Blue at a quarter of the way along the mirror's diagonal, black on the other.
    const auto blau = [](const QImage& b, double a, double c) {
        const QColor farbe = b.pixelColor(qRound(a * (b.width() - 1)), qRound(c * (b.height() - 1)));
        return farbe.blue() > 128 && farbe.red() < 128;
    };
    // By the name a screen reader reads, which says which way it lies.
    for (const Legendeneintrag& e : legende()) {
        const std::string name = e.name;
        if (name.rfind("Umlenkspiegel", 0) != 0)
            continue;
        const QImage b = argb(legendenBild(e.bild));
        const bool steigend = name == "Umlenkspiegel steigend";
        EXPECT_EQ(blau(b, 0.35, 0.65), steigend) << e.name;
        EXPECT_EQ(blau(b, 0.65, 0.35), steigend) << e.name;
        EXPECT_EQ(blau(b, 0.35, 0.35), !steigend) << e.name;
        EXPECT_EQ(blau(b, 0.65, 0.65), !steigend) << e.name;
    }
}

// The trapdoor's legend is the dark hatch with pure yellow corner marks: no
// olive of the board glyph's cross, no yellow blended into the dark.
TEST(Artwork, TrapdoorLegendShowsNoOliveAtAnyDensity)
{
    for (qreal verhaeltnis : {1.0, 2.0}) {
        const QImage bild = argb(legendenBild(7, verhaeltnis));
        int gelb = 0, oliv = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (c == QColor(255, 255, 0))
                    ++gelb;
                else if (c.red() >= 90 && std::abs(c.red() - c.green()) < 24 && c.blue() < c.red() / 2)
                    ++oliv;
            }
        EXPECT_GT(gelb, 40 * verhaeltnis * verhaeltnis) << verhaeltnis;
        EXPECT_EQ(oliv, 0) << verhaeltnis;
    }
}

TEST(Artwork, ArrowsPointTheirWay)
{
    // The arrow head is the broadest part of the arrow.
    EXPECT_LT(breitesteStelle(argb(pfeilBild(nord)), true, true), 7);
    EXPECT_GT(breitesteStelle(argb(pfeilBild(sued)), true, true), 7);
    EXPECT_GT(breitesteStelle(argb(kopierPfeil(true)), false, false), 16);
    EXPECT_LT(breitesteStelle(argb(kopierPfeil(false)), false, false), 16);
    EXPECT_TRUE(pfeilBild(ost).isNull());
    EXPECT_TRUE(pfeilBild(west).isNull());
    EXPECT_TRUE(pfeilBild(steht).isNull());
}

TEST(Artwork, IconOffersSmallAndLargeSizes)
{
    const QIcon symbol = fensterSymbol();
    EXPECT_EQ(symbol.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}})) << "the sizes the window system is given";
    for (int g : {16, 32, 64, 128, 256}) {
        SCOPED_TRACE(g);
        const QImage bild = argb(symbol.pixmap(QSize(g, g)));
        ASSERT_EQ(bild.size(), QSize(g, g));
        // Yellow in the middle of the face between eyes and mouth, transparent in the corner.
        const QRgb mitte = bild.pixel(g / 2, g / 2);
        EXPECT_GT(qRed(mitte), 200);
        EXPECT_GT(qGreen(mitte), 200);
        EXPECT_LT(qBlue(mitte), 120);
        EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
    }
}

TEST(Artwork, PicturesAreSavedAsPng)
{
    const QTemporaryDir temporaer;
    const QString ordner = temporaer.filePath(QStringLiteral("neu"));
    bilderSpeichern(ordner);
    const QDir dir(ordner);
    const std::map<QString, QSize> erwartet{
        {"startknopf", {88, 87}},    {"startbild", {345, 348}},  {"legende0", {42, 43}},
        {"legende3", {47, 47}},      {"legende7", {43, 44}},     {"stop", {49, 48}},
        {"lautsprecher", {54, 51}},  {"startsonde", {112, 34}},  {"tarnkiste-erstellen", {330, 64}},
        {"pfeil-hoch", {12, 15}},    {"pfeil-runter", {12, 15}}, {"kopieren-rechts", {32, 24}},
        {"kopieren-links", {32, 24}}, {"randhintergrund", {63, 63}}, {"icon-16", {16, 16}},
        {"icon-32", {32, 32}},       {"icon-256", {256, 256}},
    };
    for (const auto& [name, groesse] : erwartet) {
        const QImage geladen(dir.filePath(name + ".png"));
        EXPECT_EQ(geladen.size(), groesse) << name.toStdString();
    }
}

// A painter that gave no picture was called again at the next paint, and the
// icon engine threw std::bad_function_call.
TEST(FirstUsePictures, PainterGivingNoPictureIsAskedOnceAndNothingThrows)
{
    int aufrufe = 0;
    const QIcon symbol = spaetesSymbol(QSize(12, 15), [&aufrufe] {
        ++aufrufe;
        return QPixmap();
    });
    QPushButton knopf;
    knopf.setIcon(symbol);
    EXPECT_NO_THROW(knopf.grab());
    EXPECT_NO_THROW(knopf.grab());
    EXPECT_TRUE(symbol.pixmap(QSize(12, 15)).isNull());
    EXPECT_EQ(aufrufe, 1);
    EXPECT_TRUE(SpaetesBild().bild().isNull()) << "no painter at all";

    // A picture is painted once and then kept.
    int gemalt = 0;
    SpaetesBild a([&gemalt] { return ++gemalt, QPixmap(4, 4); });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(a.bild().size(), QSize(4, 4));
    EXPECT_EQ(gemalt, 1);
}

// The black hole the build painted stands in for the painted one: the same
// pixels, at the ratio asked for.
TEST(Artwork, BlackHolePaintedAtBuildTimeIsThePaintedOne)
{
    for (int v : vorabVerhaeltnisse) {
        SCOPED_TRACE(v);
        ASSERT_TRUE(QFile::exists(QStringLiteral(":/tarnkiste/vorab/") + vorabLochName(v)));
        const QPixmap vorab = legendenBild(legendeSchwarzesLoch, v);
        const QPixmap gemalt = legendenBildMalen(legendeSchwarzesLoch, v);
        EXPECT_EQ(vorab.devicePixelRatio(), v);
        EXPECT_EQ(vorab.toImage().convertToFormat(QImage::Format_ARGB32),
                  gemalt.toImage().convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_EQ(legendenBild(legendeSchwarzesLoch, 1.5).size(), QSize(71, 71)) << "painted at other ratios";
}

} // namespace
