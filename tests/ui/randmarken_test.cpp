// The launches' marks on the hidden board's ring: where they sit, their colours, and the picture under them.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QImage>

#include <cstdlib>

#include "render/aussehen.h"
#include "render/geometrie.h"
#include "tests/model/felder.h"
#include "tests/ui/fenster.h"
#include "ui/beobachtungsfenster.h"
#include "ui/qtfarbe.h"
#include "ui/randmarkenbild.h"

namespace {

class RandmarkenTest : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        starten();
    }
    void starteSonde(double X, double Y)
    {
        feldKlicken(f->picVorgabe, X, Y);
        klicken(f->Command5);
        QCoreApplication::processEvents();
    }
    // Small digits are antialiased: a pixel near the colour, far from the others', counts.
    static bool nahe(const QColor& c, Farbe farbe)
    {
        return std::abs(c.red() - farbe.r) + std::abs(c.green() - farbe.g) + std::abs(c.blue() - farbe.b) < 60;
    }
    // Whether the board on screen shows the colour in the box of the place's mark.
    bool farbeBei(int x, int y, Farbe farbe) const
    {
        const QImage bild = f->picVorgabe->grab().toImage();
        const Markenmitte m = markenMitte(x, y);
        const qreal r = bild.devicePixelRatio();
        const QRectF logisch = f->picVorgabe->nachPixeln(m.x - 0.3, m.y - 0.2, 0.6, 0.4);
        const QRect box(QPointF(logisch.topLeft() * r).toPoint(), QPointF(logisch.bottomRight() * r).toPoint());
        for (int py = box.top(); py <= box.bottom(); ++py)
            for (int px = box.left(); px <= box.right(); ++px)
                if (nahe(bild.pixelColor(px, py), farbe))
                    return true;
        return false;
    }
};

// A black hole at d6: columns a and b pass straight through the box, d ends in the hole.
const Feld kiste = feldAus({"........", "........", "...@....", "........",
                            "........", "........", "........", "........"});

TEST_F(RandmarkenTest, EachLaunchAtItsEndsInTheVerdictsColourTurningWithTheModel)
{
    vorgabe(kiste);
    QCoreApplication::processEvents();
    const QImage brett = f->picVorgabe->bild();
    starteSonde(0.5, 8.5);
    starteSonde(1.5, 8.5);
    starteSonde(3.5, 8.5);

    using Ende = Beobachtung::Ende;
    // The empty model lets a and b through as the box does, and d too, which the box holds.
    const std::vector<Randmarke> erwartet{
        {0, 8, 1, Ende::Ausgang, true}, {0, -1, 1, Ende::Ausgang, true}, {1, 8, 2, Ende::Ausgang, true},
        {1, -1, 2, Ende::Ausgang, true}, {3, 8, 3, Ende::Loch, false},
    };
    EXPECT_EQ(f->randMarken->marken(), erwartet);
    EXPECT_TRUE(farbeBei(0, -1, markeStimmt));
    EXPECT_TRUE(farbeBei(1, 8, markeStimmt));
    EXPECT_TRUE(farbeBei(3, 8, markeWeichtAb));
    EXPECT_FALSE(farbeBei(3, -1, markeWeichtAb) || farbeBei(3, -1, markeStimmt)) << "a hole's launch has one mark";
    EXPECT_TRUE(f->picVorgabe->bild() == brett) << "the board's kept picture stays under the marks";

    // Across row 4 from the left: beside the blind's scroll bar, and by the right border's labels.
    f->picRandfreigabe_Click(0);
    starteSonde(-0.5, 4.5);
    EXPECT_TRUE(farbeBei(-1, 4, markeStimmt));
    EXPECT_TRUE(farbeBei(8, 4, markeStimmt));
    if (const char* ordner = std::getenv("TARNKISTE_BILDER_AUS"))
        f->picVorgabe->grab().save(QString::fromLocal8Bit(ordner) + QStringLiteral("/randmarken.png"));

    // The model copied from the box explains the hole too; undone, it no longer does.
    f->cmdUebernehmen_Click(0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(farbeBei(3, 8, markeStimmt));
    f->cmdRueckgaengig_Click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(farbeBei(3, 8, markeWeichtAb));

    // Pointing at a marked place names its launches.
    feldBewegen(f->picVorgabe, 0.5, -0.5);
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("Sonde 1: unten a hinein, hier heraus, 9 Schritte, 0 Kontakte, stimmt"));

    // The switch in the record window hides them; reopening the box keeps them, a new box clears them.
    f->cmdBeobachtungen_Click();
    f->beobachtungsfenster()->marken()->setChecked(false);
    EXPECT_FALSE(farbeBei(0, -1, markeStimmt));
    f->beobachtungsfenster()->marken()->setChecked(true);
    f->cmdWiederherstellen_Click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(farbeBei(0, -1, markeStimmt));
    f->cmdTarnkiste_Click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f->randMarken->marken().empty());
    EXPECT_FALSE(farbeBei(0, -1, markeStimmt));
}

} // namespace
