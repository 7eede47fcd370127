// The window as a player first meets it: geometry, stacking, start state, the help line.
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "tests/ui/fenster.h"
#include "ui/festesbild.h"
#include "ui/legende.h"
#include "ui/marker.h"

TEST_F(FensterTest, WindowHasItsCaptionFixedClientAreaAndMenus)
{
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Tarnkiste Prototyp"));
    EXPECT_EQ(f->flaeche->size(), QSize(1082, 709));
    const auto menues = f->menuBar()->actions();
    QStringList titel;
    for (QAction* a : menues)
        titel << a->text();
    EXPECT_EQ(titel, (QStringList{QStringLiteral("Datei"), QStringLiteral("?"), QStringLiteral("Prüfen"),
                                  QStringLiteral("Beobachtungen"), QStringLiteral("Bearbeiten"),
                                  QStringLiteral("Spielregeln")}));
    EXPECT_EQ(menues[1]->menu(), nullptr);
    QStringList eintraege;
    for (QAction* a : f->cmdDatei->actions())
        if (!a->isSeparator())
            eintraege << a->text();
    EXPECT_EQ(eintraege, (QStringList{QStringLiteral("speichern (das rechte Feld)"),
                                      QStringLiteral("öffnen (im linken Feld)"),
                                      QStringLiteral("Tarnkiste als Text kopieren"),
                                      QStringLiteral("Tarnkiste aus Text einfügen"), QStringLiteral("schließen")}));
    EXPECT_FALSE(f->windowIcon().isNull());
}

TEST_F(FensterTest, WindowGrowsWithControlsInPlaceButNeverShrinksBelowItsLayout)
{
    starten();
    const QRect knopf = f->Command5->geometry();
    const QRect feld = f->picNachbau->geometry();
    f->resize(1400, 950);
    QCoreApplication::processEvents();
    EXPECT_EQ(f->flaeche->size(), QSize(1400, 950 - f->menuBar()->height()));
    EXPECT_EQ(f->Command5->geometry(), knopf);
    EXPECT_EQ(f->picNachbau->geometry(), feld);
    // The uncovered area is bare surface: it empties the help line.
    bewegen(f->Command5);
    ASSERT_FALSE(f->txtHilfe->text().isEmpty());
    bewegen(f->flaeche, QPoint(1300, 800));
    EXPECT_EQ(f->txtHilfe->text(), QString());

    f->resize(500, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(f->flaeche->size(), QSize(1082, 709));
}

TEST_F(FensterTest, TheFourSmallCaptionsAreInTheSerifFace)
{
    for (QWidget* w : {static_cast<QWidget*>(f->Check1), static_cast<QWidget*>(f->Command2),
                       static_cast<QWidget*>(f->cmdDelN), static_cast<QWidget*>(f->cmdDelVor)}) {
        EXPECT_EQ(w->font().family(), QStringLiteral("Times New Roman")) << w->accessibleName().toStdString();
        EXPECT_EQ(w->font().pixelSize(), 11);
    }
}

class TastaturTest : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        aktivieren();
    }
    void taste(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget(), k);
        QCoreApplication::processEvents();
    }
};

TEST_F(TastaturTest, SpaceOnTheStartScreenStartsTheGame)
{
    EXPECT_EQ(QApplication::focusWidget(), f->cmdStart);
    taste(Qt::Key_Space);
    EXPECT_FALSE(f->cmdStart->isVisible());
    EXPECT_TRUE(f->Frame1->isEnabled());
    EXPECT_EQ(f->txtAnzahl->text(), QStringLiteral("7"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr) << "no caret after the start";
}

TEST_F(TastaturTest, TabWalksTheControlsInReadingOrderAndKeysWorkThemAsClicksDo)
{
    taste(Qt::Key_Space);
    f->cmdJalousieRauf->setFocus();
    std::vector<QWidget*> weg;
    for (int i = 0; i < 60 && (weg.empty() || QApplication::focusWidget() != weg.front()); ++i) {
        weg.push_back(QApplication::focusWidget());
        taste(Qt::Key_Tab);
    }
    const std::vector<QWidget*> erwartet{
        f->cmdJalousieRauf, f->vscRollo, f->cmdJalousieRunter, f->cmdRolloClear, f->txtVorgabeFeldtyp,
        f->cmdDelVor, f->picVorgabe, f->picRandfreigabe[2], f->picRandfreigabe[0], f->picRandfreigabe[1],
        f->picRandfreigabe[3], f->chkErlaubnis[1], f->chkErlaubnis[2], f->chkErlaubnis[3], f->chkErlaubnis[5],
        f->chkErlaubnis[6], f->chkErlaubnis[10], f->chkErlaubnis[11], f->Check1, f->txtNachbauFeldtyp,
        f->cmdDelN, f->picNachbau, f->optMaxGenau[0], f->txtAnzahl, f->Command5, f->Picture3, f->hscMaxZahl, f->txtZaehlerVorgabe,
        f->Command2, f->cmdTarnkiste, f->chkSchrittezaehlen, f->chkTon, f->cmdWiederherstellen, f->cmdSchritt,
        f->cmdZehn, f->cmdSchrittePlus, f->cmdSchritteMiinus, f->txtZaehler, f->cmdZaehler, f->chkSpur,
        f->cmdSpurClear, f->txtOrtx, f->txtOrty, f->hscV, f->txtV, f->txtHilfe};
    EXPECT_EQ(weg, erwartet);

    f->cmdSchrittePlus->setFocus();
    taste(Qt::Key_Space);
    EXPECT_EQ(f->cmdZehn->text(), QStringLiteral("13 Schritte"));
    f->chkTon->setFocus();
    taste(Qt::Key_Space);
    EXPECT_FALSE(f->chkTon->isChecked());
    f->hscV->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), f->hscV);
    taste(Qt::Key_Left);
    EXPECT_EQ(f->txtV->text(), QStringLiteral("9"));
    f->cmdSchritt->setFocus();
    taste(Qt::Key_Space);
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("1"));
}

TEST_F(FensterTest, StartScreenShowsDisabledFieldsAndPanelsUnderTheStartButton)
{
    for (QWidget* w : {static_cast<QWidget*>(f->picVorgabe), static_cast<QWidget*>(f->picNachbau),
                       static_cast<QWidget*>(f->Frame1), static_cast<QWidget*>(f->Frame2),
                       static_cast<QWidget*>(f->fraCockpit)})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_TRUE(f->Check1->isEnabled());
    EXPECT_FALSE(f->cmdUebernehmen[0]->isEnabled());
    // The start button lies in front of both panels and the border switches.
    for (QWidget* hinten : {static_cast<QWidget*>(f->fraCockpit), static_cast<QWidget*>(f->Frame1),
                            f->Picture2}) {
        const QPoint p = hinten->geometry().center();
        EXPECT_EQ(f->flaeche->childAt(p), f->cmdStart);
    }
    // The start picture covers the whole board, in front of the blind.
    EXPECT_EQ(f->picStart->geometry(), f->picVorgabe->nachPixeln(0, 0, 8, 8));
    EXPECT_EQ(f->picVorgabe->childAt(f->picVorgabe->nachPixeln(4, 4, 0, 0).topLeft()), f->picStart);
    EXPECT_EQ(f->txtAnzahl->text(), QStringLiteral("12"));
    EXPECT_EQ(f->hscMaxZahl->value(), 7);
    EXPECT_EQ(f->txtOrtx->text(), QStringLiteral("-1"));
    EXPECT_EQ(f->txtOrty->text(), QStringLiteral("7"));
    EXPECT_EQ(f->markerOrt(Seite::Nachbau), QPointF(-0.65, 8.25));
    EXPECT_EQ(f->markerOrt(Seite::Vorgabe), QPointF(8.35, 8.25));
    EXPECT_EQ(f->picRandfreigabe[3]->hintergrund(), QColor(0, 220, 0));
    EXPECT_EQ(f->picRandfreigabe[0]->hintergrund(), QColor(255, 255, 255));
}

TEST_F(FensterTest, HiddenMarkerNeverShowsThroughTheBlindOrTheStartPicture)
{
    auto gelbAmMarker = [&] {
        const QImage bild = f->picVorgabe->grab().toImage();
        const QPoint mitte = f->shpBallVorgabe->geometry().center();
        return bild.pixelColor(mitte) == QColor(255, 255, 0);
    };
    f->shpBallVorgabe->ortSetzen({3.35, 3.25});
    EXPECT_FALSE(gelbAmMarker()) << "under the start picture";
    starten();
    EXPECT_FALSE(gelbAmMarker()) << "under the blind";
    f->vscRollo->setValue(1);
    EXPECT_TRUE(gelbAmMarker()) << "blind raised";
    f->shpBallVorgabe->ortSetzen({8.35, 3.25});
    f->vscRollo->setValue(78);
    EXPECT_TRUE(gelbAmMarker()) << "on the border, never covered";
}

// The start picture is painted anew at each paint rather than kept.
TEST_F(FensterTest, StartPictureShowsTheCubeAtEveryPaint)
{
    const QImage erstes = f->picStart->grab().toImage();
    const QImage zweites = f->picStart->grab().toImage();
    EXPECT_EQ(zweites, erstes);
    const QColor tuerkis = f->picStart->hintergrund();
    EXPECT_NE(zweites.pixelColor(zweites.rect().center()), tuerkis) << "the cube";
}

TEST_F(FensterTest, HelpLineFollowsThePointerOnTheStartScreen)
{
    bewegen(f->Check1);
    EXPECT_EQ(f->txtHilfe->text(), f->hilfeText(f->Check1).value());
    bewegen(f->cmdStart);
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("Zum Start klicken"));
    // Disabled fields and legend hand the pointer to the window surface.
    bewegen(f->picVorgabe, {200, 10});
    EXPECT_EQ(f->txtHilfe->text(), QString());
    f->txtHilfe->setText(QStringLiteral("x"));
    bewegen(f->Picture1[0]);
    EXPECT_EQ(f->txtHilfe->text(), QString());
}

TEST_F(FensterTest, HelpLineTextsOfTheGame)
{
    starten();
    bewegen(f->Label4);
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("Eine zufällige Anzahl von Objekten bis maximal 7 wird gesetzt"));
    f->hscMaxZahl->setValue(20);
    bewegen(f->Label4, {5, 5});
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("Eine zufällige Anzahl von Objekten bis maximal 20 wird gesetzt"));

    bewegen(f->cmdZehn);
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("12 Schritte hintereinander ausführen"));
    klicken(f->cmdSchrittePlus);
    bewegen(f->cmdZehn, {3, 3});
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("13 Schritte hintereinander ausführen"));

    bewegen(f->Picture1[4]);
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("Drehspiegel, lässt waagerecht durch, reflektiert senkrecht, dreht "
                                                  "sich nach Reflektion um 90°"));
    bewegen(f->chkErlaubnis[10]);
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("Auswahl der erlaubten Objekte für das Zufallslabyrinth"));
    bewegen(f->picRandfreigabe[3], {2, 2});
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("der untere Rand ist 'Standard'"));

    // Controls without an entry leave the line alone; the panels' bare surface empties it.
    bewegen(f->hscV);
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("der untere Rand ist 'Standard'"));
    bewegen(f->Frame1, {300, 160});
    EXPECT_EQ(f->txtHilfe->text(), QString());
    bewegen(f->Picture3);
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("Stop (wenn die Sonde aus der Tarnkiste nicht mehr herauskommt)"));
    bewegen(f->fraCockpit, {430, 100});
    EXPECT_EQ(f->txtHilfe->text(), QString());
    bewegen(f->pickompass);
    EXPECT_EQ(f->txtHilfe->text(), QStringLiteral("momentane Bewegungsrichtung der Sonde"));
}

TEST_F(FensterTest, PointerOverAFieldShowsPlaceCodeAndHelpUntilItLeavesForTheWindow)
{
    starten();
    f->spiel().feldNachbau(3, 5) = SchwarzesLoch;
    feldBewegen(f->picNachbau, 3.5, 5.5);
    EXPECT_EQ(f->txtKoordinateNachbau->text(), QStringLiteral("3 /5"));
    EXPECT_EQ(f->txtNachbauFeldtyp->text(), QStringLiteral("10"));
    EXPECT_EQ(f->txtHilfe->text(), f->hilfeText(f->picNachbau).value());
    feldBewegen(f->picNachbau, -0.5, 4.5);
    EXPECT_EQ(f->txtKoordinateNachbau->text(), QStringLiteral("-1 /4"));
    EXPECT_EQ(f->txtNachbauFeldtyp->text(), QString());
    feldBewegen(f->picNachbau, 3.5, 5.5);

    bewegen(f->flaeche, {1050, 300});
    EXPECT_EQ(f->txtHilfe->text(), QString());
    EXPECT_EQ(f->txtKoordinateNachbau->text(), QString());
    EXPECT_EQ(f->txtKoordinateVorgabe->text(), QString());
    EXPECT_EQ(f->txtNachbauFeldtyp->text(), QStringLiteral("10"));
}

TEST_F(FensterTest, HiddenCodesShowOnlyWhereTheBlindIsRaised)
{
    starten();
    f->spiel().feldVorgabe(2, 6) = Katzenauge;
    f->spiel().feldVorgabe(2, 0) = Falltuer;
    feldBewegen(f->picVorgabe, 2.5, 6.5);
    EXPECT_EQ(f->txtVorgabeFeldtyp->text(), QString());
    EXPECT_EQ(f->txtHilfe->text(), f->hilfeText(f->picRollo).value());
    f->vscRollo->setValue(30);  // the blind now ends at 3.1
    feldBewegen(f->picVorgabe, 2.6, 6.5);
    EXPECT_EQ(f->txtVorgabeFeldtyp->text(), QStringLiteral("1"));
    EXPECT_EQ(f->txtKoordinateVorgabe->text(), QStringLiteral("2 /6"));
    feldBewegen(f->picVorgabe, 2.5, 0.5);
    EXPECT_EQ(f->txtVorgabeFeldtyp->text(), QStringLiteral("1")) << "still under the blind";
}

TEST_F(FensterTest, EveryControlHasAnAccessibleNameAndHelpAsDescription)
{
    for (QWidget* w : f->flaeche->findChildren<QWidget*>()) {
        const bool steuerelement = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                   qobject_cast<QAbstractSlider*>(w) || qobject_cast<QtZeichenflaeche*>(w) ||
                                   qobject_cast<FestesBild*>(w);
        if (steuerelement && w != f->Image2) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className() << " " << w->geometry().x();
        }
    }
    EXPECT_EQ(f->Command5->accessibleDescription(), f->hilfeText(f->Command5).value());
}

// The legend shows each picture as it is painted, the black hole too, which
// the window takes from the pictures the build painted rather than painting it.
TEST_F(FensterTest, LegendShowsEachPictureAsPainted)
{
    for (const Legendeneintrag& e : legende()) {
        SCOPED_TRACE(e.name);
        FestesBild* b = f->Picture1[static_cast<std::size_t>(e.bild)];
        const QImage gezeigt = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage gemalt =
            legendenBildMalen(e.bild, gezeigt.devicePixelRatio()).toImage().convertToFormat(QImage::Format_RGB32);
        // Inside the control's sunken border, where the picture lies.
        const QRect innen = QRect(QPoint(0, 0), gezeigt.size().boundedTo(gemalt.size())).adjusted(1, 1, -1, -1);
        EXPECT_EQ(gezeigt.copy(innen), gemalt.copy(innen));
    }
}
