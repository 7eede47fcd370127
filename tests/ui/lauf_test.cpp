// Run controls: launching, stopping, stepping once and N times, counters and speed.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include "tests/ui/fenster.h"
#include "ui/festesbild.h"
#include "ui/marker.h"

namespace {

const std::pair<int, int> kontakt{360, 100};
const std::pair<int, int> loch{240, 1000};

} // namespace

class LaufTest : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        starten();
        u.ton->toene.clear();
        u.zeit->gesamt = u.zeit->aufrufe = 0;
    }
    // Posts a click that the run's next event pump handles, as a player's click would be.
    void spaeterKlicken(void (Form1::*handler)())
    {
        QMetaObject::invokeMethod(
            f.get(), [this, handler] { (f.get()->*handler)(); }, Qt::QueuedConnection);
    }
};

TEST_F(LaufTest, LaunchingAnUnplacedProbeIsRefusedWithAMessage)
{
    klicken(f->Command5);
    ASSERT_EQ(u.dialoge->meldungen.size(), 1u);
    EXPECT_EQ(u.dialoge->meldungen[0].text, QStringLiteral("Bitte erst die Sonde auf den Rand setzen (per Klick)"));
    EXPECT_EQ(u.dialoge->meldungen[0].titel, Form1::titel());
    EXPECT_FALSE(u.dialoge->meldungen[0].symbol);
    EXPECT_TRUE(u.ton->toene.empty());
    EXPECT_EQ(u.zeit->aufrufe, 0);
}

TEST_F(LaufTest, RunThroughAnEmptyColumnCountsNineAndShowsTheWhiteMarkerAtTheExit)
{
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    klicken(f->Command5);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("9"));
    EXPECT_EQ(f->spiel().sondeVorgabe, (Sonde{3, -1, 0, 0}));
    EXPECT_EQ(u.ton->toene, (std::vector{kontakt}));
    EXPECT_EQ(f->shpBallVorgabe->fuellung(), QColor(255, 255, 255));
    EXPECT_NEAR(f->markerOrt(Seite::Vorgabe).x(), 3.35, 1e-9);
    EXPECT_NEAR(f->markerOrt(Seite::Vorgabe).y(), -0.75, 1e-9);
    // Pace: twelve 1 ms slides and a 1 ms pause per step at speed 10, plus the tone.
    EXPECT_EQ(u.zeit->gesamt, 9 * 13);

    // Again without placing: one step, the exit tone once more.
    klicken(f->Command5);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("1"));
    EXPECT_EQ(u.ton->toene.size(), 2u);

    f->chkSchrittezaehlen->setChecked(false);
    klicken(f->Command5);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QString());
}

TEST_F(LaufTest, StopEndsALoopingRunAfterTheCurrentStep)
{
    f->spiel().feldVorgabe(3, 5) = Falltuer;
    f->spiel().feldVorgabe(3, 2) = Katzenauge;
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    u.zeit->beiWarten = [this](long long aufruf) {
        if (aufruf == 13 * 40)
            spaeterKlicken(&Form1::Picture3_Click);
    };
    klicken(f->Command5);
    EXPECT_EQ(f->spiel().abbruchVorgabe, 1);
    EXPECT_EQ(f->spiel().ausgangVorgabe, 0);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("41"));
    // Launched again it goes on from where it stopped, counting from 1.
    u.zeit->beiWarten = [this](long long aufruf) {
        if (aufruf == 13 * 41 + 13 * 5)
            spaeterKlicken(&Form1::Picture3_Click);
    };
    klicken(f->Command5);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("6"));
}

TEST_F(LaufTest, BlackHoleEndsTheRunWithTheLowToneAlsoWithoutSound)
{
    f->chkTon->setChecked(false);
    f->spiel().feldVorgabe(3, 4) = SchwarzesLoch;
    f->spiel().feldVorgabe(3, 6) = HalbspiegelNO;  // heading north it passes silently
    f->spiel().feldVorgabe(3, 7) = Falltuer;
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    klicken(f->Command5);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("4"));
    EXPECT_EQ(u.ton->toene, (std::vector{loch}));
    EXPECT_EQ(f->spiel().feldVorgabe(3, 7), Katzenauge);
    klicken(f->Command5);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("1"));
    EXPECT_EQ(u.ton->toene, (std::vector{loch, loch}));
}

TEST_F(LaufTest, OtherControlsWorkInTheMiddleOfARunWithoutCorruptingIt)
{
    f->spiel().feldVorgabe(3, 5) = Falltuer;
    f->spiel().feldVorgabe(3, 2) = Katzenauge;
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    u.zeit->beiWarten = [this](long long aufruf) {
        if (aufruf == 100) {
            spaeterKlicken(&Form1::cmdSchritt_Click);
            spaeterKlicken(&Form1::cmdTarnkiste_Click);
            spaeterKlicken(&Form1::Command5_Click);  // a second launch, nested in the first
        }
        if (aufruf == 400)
            spaeterKlicken(&Form1::cmdDelVor_Click);
        if (aufruf == 2000)
            spaeterKlicken(&Form1::Picture3_Click);
    };
    klicken(f->Command5);
    const Sonde& p = f->spiel().sondeVorgabe;
    EXPECT_TRUE(f->spiel().ausgangVorgabe || f->spiel().abbruchVorgabe);
    EXPECT_TRUE(p.x >= -1 && p.x <= 8 && p.y >= -1 && p.y <= 8);
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("1"));
}

TEST_F(LaufTest, ModelStepsCountEveryStepAndNStepsStopAtABlackHole)
{
    klicken(f->cmdSchritt);  // the unplaced, standing model probe: counted, a contact tone
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("1"));
    EXPECT_EQ(u.ton->toene, (std::vector{kontakt}));

    klicken(f->picRandfreigabe[0]);
    f->spiel().feldNachbau(2, 6) = SchwarzesLoch;
    feldKlicken(f->picNachbau, -0.5, 6.5);
    klicken(f->cmdZaehler);
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("0"));
    klicken(f->cmdZehn);
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("3"));
    EXPECT_EQ(f->spiel().lochNachbau, 1);
    EXPECT_EQ(f->txtOrtx->text(), QStringLiteral("2"));
    EXPECT_EQ(f->txtOrty->text(), QStringLiteral("6"));

    // N steps through an open row: the probe turns at the border and goes on.
    feldKlicken(f->picNachbau, -0.5, 2.5);
    klicken(f->cmdZehn);
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("15"));
    EXPECT_EQ(f->spiel().sondeNachbau, (Sonde{5, 2, -1, 0}));
}

TEST_F(LaufTest, StepCountButtonsKeepNAtTwoOrMoreWithoutUpperLimit)
{
    for (int i = 0; i < 12; ++i)
        klicken(f->cmdSchritteMiinus);
    EXPECT_EQ(f->cmdZehn->text(), QStringLiteral("2 Schritte"));
    klicken(f->cmdSchrittePlus);
    EXPECT_EQ(f->cmdZehn->text(), QStringLiteral("3 Schritte"));
    EXPECT_EQ(f->cmdZehn->property("tag").toString(), QStringLiteral("3"));
    klicken(f->cmdZehn);
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("3"));
}

TEST_F(LaufTest, CountersTakeTypedTextWithoutBreaking)
{
    struct Zeile {
        const char* getippt;
        const char* danach;
    };
    for (const Zeile z : {Zeile{"abc", "1"}, {"41x", "42"}, {"", "1"}, {"  7", "8"}, {"99999999999999999999", "1e+20"}}) {
        f->txtZaehler->setText(QString::fromUtf8(z.getippt));
        klicken(f->cmdSchritt);
        EXPECT_EQ(f->txtZaehler->text(), QString::fromUtf8(z.danach)) << z.getippt;
    }
}

TEST_F(LaufTest, SpeedSliderShowsItsValueAndSetsThePause)
{
    f->hscV->setValue(1);
    EXPECT_EQ(f->txtV->text(), QStringLiteral("1"));
    const long long vorher = u.zeit->gesamt;
    klicken(f->cmdSchritt);
    EXPECT_EQ(u.zeit->gesamt - vorher, 12 + 91);
}

TEST_F(LaufTest, TrailFollowsTheModelProbeAndIsWipedByTheTrailClear)
{
    f->chkSpur->setChecked(true);
    feldKlicken(f->picNachbau, 4.5, 8.5);
    klicken(f->cmdSchritt);
    klicken(f->cmdSchritt);
    EXPECT_EQ(f->picNachbau->farbeBei(4.5, 7.0), QColor(255, 255, 0));
    f->spiel().feldNachbau(0, 0) = Katzenauge;
    klicken(f->cmdSpurClear);
    EXPECT_EQ(f->picNachbau->farbeBei(4.5, 7.0), QColor(0, 0, 40));
    EXPECT_EQ(f->picNachbau->farbeBei(0.5, 0.5), QColor(255, 0, 0)) << "glyphs drawn anew";
}

TEST_F(LaufTest, SoundSwitchSilencesContactsOfTheHiddenRunButNotItsExit)
{
    f->spiel().feldVorgabe(3, 5) = UmlenkspiegelSteigend;  // turns the probe east, out on the right
    for (const bool an : {false, true}) {
        f->chkTon->setChecked(an);
        u.ton->toene.clear();
        feldKlicken(f->picVorgabe, 3.5, 8.5);
        klicken(f->Command5);
        EXPECT_EQ(f->spiel().sondeVorgabe, (Sonde{8, 5, 0, 0}));
        EXPECT_EQ(u.ton->toene, an ? (std::vector{kontakt, kontakt}) : std::vector{kontakt}) << "sound " << an;
    }
}

TEST_F(LaufTest, StopPictureAnswersARealMouseClickInTheMiddleOfARun)
{
    f->spiel().feldVorgabe(3, 5) = Falltuer;
    f->spiel().feldVorgabe(3, 2) = Katzenauge;
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    u.zeit->beiWarten = [this](long long aufruf) {
        if (aufruf == 13 * 20)
            klicken(f->Picture3);
        if (aufruf == 13 * 100)  // a stop the picture missed must not hang the test
            spaeterKlicken(&Form1::Picture3_Click);
    };
    klicken(f->Command5);
    EXPECT_EQ(f->spiel().abbruchVorgabe, 1);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("20"));
}

TEST_F(LaufTest, NStepsKeepTheCountTheyStartedWithWhenPlusIsPressedDuringThem)
{
    u.zeit->beiWarten = [this](long long aufruf) {
        if (aufruf == 1)
            spaeterKlicken(&Form1::cmdSchrittePlus_Click);
    };
    klicken(f->cmdZehn);
    EXPECT_EQ(f->cmdZehn->text(), QStringLiteral("13 Schritte"));
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("12"));
}

TEST_F(LaufTest, SpeedFollowsTheDraggedThumbFromTheNextStepOn)
{
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    u.zeit->beiWarten = [this](long long aufruf) {
        if (aufruf == 13 * 3) {  // the pause after the third step: the player grabs the thumb
            f->hscV->setSliderDown(true);
            f->hscV->setSliderPosition(1);
        }
    };
    klicken(f->Command5);
    EXPECT_EQ(u.zeit->gesamt, 9 * 12 + 3 * 1 + 6 * 91);
    EXPECT_EQ(f->txtV->text(), QStringLiteral("10")) << "the box changes with the value, on release";
    f->hscV->setSliderDown(false);
    EXPECT_EQ(f->txtV->text(), QStringLiteral("1"));
}

// A loop stopped after 304 steps showed "30" in the hidden counter.
TEST_F(LaufTest, CounterBoxesShowThreeDigitAndLongerCountsWhole)
{
    for (QLineEdit* zaehler : {f->txtZaehler, f->txtZaehlerVorgabe}) {
        const QRect ort = zaehler->geometry();
        const QFont grund = zaehler->font();
        const int rahmen = zaehler->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, zaehler);
        for (const char* text : {"304", "99999", "1234567"}) {
            zaehler->setText(QString::fromLatin1(text));
            EXPECT_LE(QFontMetrics(zaehler->font()).horizontalAdvance(zaehler->text()) + 2 * rahmen + 4,
                      zaehler->width())
                << text;
            EXPECT_EQ(zaehler->geometry(), ort);
        }
        zaehler->setText(QStringLiteral("7"));
        EXPECT_EQ(zaehler->font(), grund) << "a short count has the box's own font again";
    }
}
