// Every glyph, both boards and the compass held pixel by pixel to the pictures kept beside this test:
// the glyph sheets, which hold no text, one for all; the boards and the compass per toolkit version.
#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include "tools/glyphenbogen.h"

TEST(GlyphSheets, EveryCodeOnBothFieldsAtRatiosOneAndTwoAsKept)
{
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau})
        for (int verhaeltnis : {1, 2}) {
            const QString name = glyphenBogenName(seite, verhaeltnis);
            SCOPED_TRACE(name.toStdString());
            QImage gehalten(QStringLiteral(TARNKISTE_GLYPHEN_ORDNER "/") + name);
            ASSERT_FALSE(gehalten.isNull());
            const QImage bild = glyphenBogen(seite, verhaeltnis).convertToFormat(QImage::Format_RGB32);
            gehalten = gehalten.convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(bild.size(), gehalten.size());
            // Differing pixels per code, index anzahlCodes for the margin.
            int anders[anzahlCodes + 1] = {};
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    if (bild.pixel(x, y) != gehalten.pixel(x, y)) {
                        const int code = bogenCodeBei(x, y, verhaeltnis);
                        ++anders[code < 0 ? anzahlCodes : code];
                    }
            for (int code = 0; code <= anzahlCodes; ++code)
                EXPECT_EQ(anders[code], 0)
                    << (code < anzahlCodes ? "code " + std::to_string(code) : std::string("margin")) << " on the "
                    << (seite == Seite::Vorgabe ? "hidden" : "model") << " field at ratio " << verhaeltnis;
        }
}

namespace {

// The kept picture `name` of the toolkit's minor version, null where that
// version keeps none.
QImage gehaltenesBild(const QString& name)
{
    return QImage(QStringLiteral(TARNKISTE_GLYPHEN_ORDNER "/") + bildOrdnerDerVersion() + QLatin1Char('/') + name);
}

// The number of pixels in which `gemalt` differs from the kept picture `name`.
long long abweichungen(const QImage& gemalt, const QString& name)
{
    QImage gehalten = gehaltenesBild(name);
    if (gehalten.isNull())
        return -1;
    const QImage bild = gemalt.convertToFormat(QImage::Format_RGB32);
    gehalten = gehalten.convertToFormat(QImage::Format_RGB32);
    if (bild.size() != gehalten.size())
        return bild.width() * bild.height();
    long long anders = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            anders += bild.pixel(x, y) != gehalten.pixel(x, y);
    return anders;
}

// Pictures with text hold only in the tests' own fonts, and only against the
// pictures kept for this version of the toolkit.
class ReferencePictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QFontInfo(QFont()).family(), QStringLiteral("Liberation Sans"))
            << "the tests' font environment is not in force (schriftenFestlegen)";
        if (gehaltenesBild(kompassBildName(nord, 1)).isNull())
            GTEST_SKIP() << "no pictures kept for Qt " << qVersion() << " in tests/ui/glyphen/"
                         << bildOrdnerDerVersion().toStdString() << "; `cmake --build build --target bilder` writes them";
    }
};

} // namespace

// Both are drawn on the surfaces as the game's set-up leaves them, which
// holds the set-up's scales and boards as well.
TEST_F(ReferencePictures, BothBoardsWithEveryGlyphAndTheTrailAsKept)
{
    for (Seite seite : {Seite::Vorgabe, Seite::Nachbau})
        for (int verhaeltnis : {1, 2})
            EXPECT_EQ(abweichungen(brettBild(seite, verhaeltnis), brettBildName(seite, verhaeltnis)), 0)
                << brettBildName(seite, verhaeltnis).toStdString();
}

TEST_F(ReferencePictures, TheCompassInEveryHeadingAsKept)
{
    for (Richtung r : {steht, nord, ost, sued, west})
        for (int verhaeltnis : {1, 2})
            EXPECT_EQ(abweichungen(kompassBild(r, verhaeltnis), kompassBildName(r, verhaeltnis)), 0)
                << kompassBildName(r, verhaeltnis).toStdString();
}
