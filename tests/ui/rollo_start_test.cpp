// The roller blind, the start click and the setup panel's small controls.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cmath>

#include "model/felddatei.h"
#include "tests/ui/fenster.h"
#include "ui/festesbild.h"

namespace {

std::vector<int> werte(const QSignalSpy& spion)
{
    std::vector<int> v;
    for (const auto& aufruf : spion)
        v.push_back(aufruf.at(0).toInt());
    return v;
}

std::vector<int> bereich(int von, int bis)
{
    std::vector<int> v;
    for (int i = von; von <= bis ? i <= bis : i >= bis; i += von <= bis ? 1 : -1)
        v.push_back(i);
    return v;
}

} // namespace

TEST_F(FensterTest, StartClickOpensTheGameWithAnEmptyHiddenFieldUnderTheBlind)
{
    QSignalSpy spion(f->vscRollo, &QScrollBar::valueChanged);
    starten();
    EXPECT_EQ(werte(spion).size(), 77u + 77u);
    EXPECT_EQ(f->vscRollo->value(), 78);
    EXPECT_EQ(f->spiel().feldVorgabe, Feld{});
    EXPECT_EQ(f->txtAnzahl->text(), QStringLiteral("7"));
    EXPECT_EQ(f->hscMaxZahl->value(), 7);
    EXPECT_FALSE(f->cmdStart->isVisible());
    EXPECT_FALSE(f->picStart->isVisible());
    for (QWidget* w : {static_cast<QWidget*>(f->picVorgabe), static_cast<QWidget*>(f->picNachbau),
                       static_cast<QWidget*>(f->Frame1), static_cast<QWidget*>(f->fraCockpit)})
        EXPECT_TRUE(w->isEnabled());
}

TEST_F(FensterTest, FileOpenedOnTheStartScreenIsReplacedByTheStartClick)
{
    QTemporaryDir ordner;
    Feld voll;
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            voll(x, y) = Katzenauge;
    const QString pfad = ordner.filePath(QStringLiteral("voll.tkx"));
    ASSERT_TRUE(feldSpeichern(voll, pfad.toStdString()));
    u.dialoge->antworten.push_back(pfad);
    f->cmdoeffnen->trigger();
    EXPECT_EQ(f->spiel().feldVorgabe, voll);
    starten();
    EXPECT_EQ(f->spiel().feldVorgabe, Feld{});
}

TEST_F(FensterTest, BlindRisesAndFallsThroughEveryValueAndStopsAtItsEnds)
{
    starten();
    const int voll = f->picVorgabe->nachPixeln(0.1, 0.1, 7.8, 7.8).height();
    EXPECT_EQ(f->rolloFenster->height(), voll);
    QSignalSpy spion(f->vscRollo, &QScrollBar::valueChanged);
    klicken(f->cmdJalousieRauf);
    EXPECT_EQ(werte(spion), bereich(77, 1));
    EXPECT_EQ(f->rolloFenster->geometry(), f->picVorgabe->nachPixeln(0.1, 0.1, 7.8, 0.1));
    EXPECT_GT(f->rolloFenster->height(), 0) << "a strip of 0.1 stays";
    spion.clear();
    klicken(f->cmdJalousieRauf);
    EXPECT_TRUE(spion.isEmpty());
    klicken(f->cmdJalousieRunter);
    EXPECT_EQ(werte(spion), bereich(2, 78));
    spion.clear();
    klicken(f->cmdJalousieRunter);
    EXPECT_TRUE(spion.isEmpty());
    // 1 ms per pass: the start click's two full travels, two here, and one pass at each end.
    EXPECT_EQ(u.zeit->gesamt, 78 + 78 + 78 + 1 + 78 + 1);
}

TEST_F(FensterTest, BlindAnimationsLetTheWindowHandleEventsWhileTheyMove)
{
    starten();
    for (QPushButton* knopf : {f->cmdJalousieRauf, f->cmdJalousieRunter}) {
        int gesehen = 0;
        u.zeit->aufrufe = 0;
        u.zeit->beiWarten = [&](long long aufruf) {
            if (aufruf == 5)
                QMetaObject::invokeMethod(
                    f.get(), [&] { gesehen = f->vscRollo->value(); }, Qt::QueuedConnection);
        };
        klicken(knopf);
        EXPECT_TRUE(gesehen > 1 && gesehen < 78) << "handled in the middle of the travel, saw " << gesehen;
    }
    u.zeit->beiWarten = nullptr;
}

TEST_F(FensterTest, NotesLowOnTheBlindHideWhenRaisedAndReturnWhenLowered)
{
    starten();
    const QPoint a = f->picRollo->mapFrom(f->picVorgabe, punkt(f->picVorgabe, 4.4, 6.4));
    // The dot in the middle of the stroke, and a point below it, as pixels of the hidden field.
    const QPoint notiz = f->picRollo->mapTo(f->picVorgabe, a + QPoint(2, 0));
    const QPoint darunter = notiz + QPoint(0, 10);
    auto weiss = [&](QPoint p) {
        return f->picVorgabe->grab().toImage().pixelColor(p) == QColor(255, 255, 255);
    };
    // A stroke with the right button writes as the left one does.
    QTest::mousePress(f->windowHandle(), Qt::RightButton, {}, imFenster(f->picRollo, a));
    for (int i = 1; i < 5; ++i)
        bewegen(f->picRollo, a + QPoint(i, 0));
    QTest::mouseRelease(f->windowHandle(), Qt::RightButton, {}, imFenster(f->picRollo, a + QPoint(4, 0)));
    bewegen(f->picRollo, a + QPoint(2, 10));
    EXPECT_EQ(f->txtHilfe->text(), f->hilfeText(f->picRollo).value());
    EXPECT_TRUE(weiss(notiz));
    EXPECT_FALSE(weiss(darunter)) << "nothing drawn after the button was released";

    f->vscRollo->setValue(40);
    EXPECT_FALSE(weiss(notiz));
    f->vscRollo->setValue(78);
    EXPECT_TRUE(weiss(notiz));

    klicken(f->cmdRolloClear);
    EXPECT_FALSE(weiss(notiz));
    EXPECT_EQ(f->picRollo->stiftbreite(), 3);
    EXPECT_EQ(f->picRollo->farbeBei(4.0, 3.5), QColor(255, 255, 255)) << "grid line";
    // A note high up stays in sight with the blind half raised.
    f->picRollo_MouseDown();
    for (double t = 0; t <= 3.0; t += 0.05)
        f->picRollo_MouseMove(1.0 + t, 1.0 + 0.5 * std::sin(3 * t));
    f->picRollo_MouseUp();
    f->vscRollo->setValue(40);
}

TEST_F(FensterTest, SafetyBoxCountSliderInfoAndEnd)
{
    klicken(f->Check1);
    EXPECT_TRUE(f->cmdUebernehmen[0]->isEnabled());
    f->Check1->setCheckState(Qt::PartiallyChecked);
    EXPECT_FALSE(f->cmdUebernehmen[1]->isEnabled());
    f->Check1->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(f->cmdUebernehmen[0]->isEnabled());

    starten();
    f->hscMaxZahl->setValue(1);
    EXPECT_EQ(f->txtAnzahl->text(), QStringLiteral("1"));
    f->hscMaxZahl->setValue(20);
    EXPECT_EQ(f->txtAnzahl->text(), QStringLiteral("20"));

    f->cmdInfo->trigger();
    ASSERT_EQ(u.dialoge->meldungen.size(), 1u);
    EXPECT_EQ(u.dialoge->meldungen[0].titel, Form1::titel());
    EXPECT_FALSE(u.dialoge->meldungen[0].symbol);

    f->cmdProgrammEnde->trigger();
    EXPECT_EQ(u.beendet, 1);
    f->close();
    EXPECT_EQ(u.beendet, 2);
}
