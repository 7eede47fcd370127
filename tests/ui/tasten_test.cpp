// Playing with the keyboard alone: the boards' cursors and their keys, F6, the cursor's frame on
// screen only, and what a screen reader is told.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>


#include "model/ortsname.h"
#include "model/pruefen.h"
#include "render/aussehen.h"
#include "tests/ui/fenster.h"
#include "ui/festesbild.h"
#include "ui/qtfarbe.h"

namespace {

class TastenTest : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    }
    void taste(Qt::Key k, Qt::KeyboardModifiers mit = {}, int mal = 1)
    {
        for (int i = 0; i < mal; ++i)
            QTest::keyClick(f->windowHandle(), k, mit);
        QCoreApplication::processEvents();
    }
    static QWidget* fokus() { return QApplication::focusWidget(); }
    QtZeichenflaeche* brett(Seite seite) const { return seite == Seite::Vorgabe ? f->picVorgabe : f->picNachbau; }

    // Walks the focused board's cursor to (x, y) with the arrow keys, across first.
    void cursorNach(Seite seite, int x, int y)
    {
        for (int i = 0; i < 40 && !(f->cursor(seite) == Feldcursor{x, y}); ++i) {
            const Feldcursor c = f->cursor(seite);
            if (c.x != x)
                taste(c.x < x ? Qt::Key_Right : Qt::Key_Left);
            if (f->cursor(seite) == c && c.y != y)
                taste(c.y < y ? Qt::Key_Down : Qt::Key_Up);
        }
        ASSERT_EQ(f->cursor(seite), (Feldcursor{x, y}));
    }
    QString zugangsName(QWidget* w) const { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

    // The pixel of the board on screen inside the frame's magenta ring, at the place (x, y).
    QColor imRahmen(Seite seite, int x, int y) const
    {
        QtZeichenflaeche* b = brett(seite);
        return b->grab().toImage().pixelColor(b->nachPixeln(x, y, 1, 1).topLeft() + QPoint(2, 2));
    }
};

// Start, a box, a launch, a model built cell by cell with one edit undone, a
// single step and the check, all from the keyboard.
TEST_F(TastenTest, WholeGameFromTheKeyboard)
{
    ASSERT_EQ(fokus(), f->cmdStart);
    taste(Qt::Key_F6);
    EXPECT_EQ(fokus(), f->cmdStart) << "the start screen's boards take no focus";
    taste(Qt::Key_Space);
    ASSERT_TRUE(f->Frame1->isEnabled());
    for (int i = 0; i < 60 && fokus() != f->cmdTarnkiste; ++i)
        taste(Qt::Key_Tab);
    ASSERT_EQ(fokus(), f->cmdTarnkiste);
    taste(Qt::Key_Space);
    const Feld kiste = f->spiel().feldVorgabeKopie;
    ASSERT_NE(kiste, Feld{});

    // The hidden board: the probe below the first column whose run ends, and launched.
    taste(Qt::Key_F6);
    ASSERT_EQ(fokus(), f->picVorgabe);
    EXPECT_EQ(f->cursor(Seite::Vorgabe), (Feldcursor{0, 0}));
    int spalte = 0;
    while (spalte < 7 && verborgenerLauf(kiste, sondeAmRand(Rand::Unten, spalte)).art == Laufausgang::Art::Endlos)
        ++spalte;
    cursorNach(Seite::Vorgabe, spalte, 3);
    taste(Qt::Key_Space);
    EXPECT_FALSE(sondeGesetzt(f->spiel().sondeVorgabe)) << "Space on a hidden cell does nothing";
    cursorNach(Seite::Vorgabe, spalte, 8);
    taste(Qt::Key_Space);
    EXPECT_EQ(f->spiel().sondeVorgabe, sondeAmRand(Rand::Unten, spalte));
    taste(Qt::Key_Return);
    ASSERT_EQ(f->spiel().beobachtungen.size(), 1u);
    EXPECT_EQ(f->spiel().beobachtungen[0].start, sondeAmRand(Rand::Unten, spalte));

    // The model board: every object of the box, Space forwards, Ctrl+Space seven on.
    taste(Qt::Key_F6);
    ASSERT_EQ(fokus(), f->picNachbau);
    EXPECT_EQ(f->cursor(Seite::Nachbau), (Feldcursor{0, 0}));
    for (int y = 0; y < feldGroesse; ++y)
        for (int x = 0; x < feldGroesse; ++x) {
            const int code = kiste(x, y);
            if (code == Leer)
                continue;
            cursorNach(Seite::Nachbau, x, y);
            if (code >= 7) {
                taste(Qt::Key_Space, Qt::ControlModifier);
                taste(Qt::Key_Space, {}, code - 7);
            } else {
                taste(Qt::Key_Space, {}, code);
            }
            ASSERT_EQ(f->spiel().feldNachbau(x, y), code) << x << "," << y;
        }
    // An empty cell of the box: a cat's eye taken back with Ctrl+Z, a trapdoor
    // with Shift+Space, which Space cycles on to empty again.
    int leer = 0;
    while (kiste(leer, 7) != Leer)
        ++leer;
    cursorNach(Seite::Nachbau, leer, 7);
    taste(Qt::Key_Space);
    EXPECT_EQ(f->spiel().feldNachbau(leer, 7), Katzenauge);
    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f->spiel().feldNachbau(leer, 7), Leer);
    taste(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(f->spiel().feldNachbau(leer, 7), Falltuer);
    taste(Qt::Key_Space);
    EXPECT_EQ(f->spiel().feldNachbau, kiste);

    // The model probe below the same cell, and one step with Return.
    cursorNach(Seite::Nachbau, leer, 8);
    taste(Qt::Key_Space);
    EXPECT_EQ(f->spiel().sondeNachbau, sondeAmRand(Rand::Unten, leer));
    taste(Qt::Key_Return);
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("1"));
    EXPECT_EQ(f->spiel().sondeNachbau.y, 7);

    // F6 goes back to the control that had the focus, then on to the hidden board.
    taste(Qt::Key_F6);
    EXPECT_EQ(fokus(), f->cmdTarnkiste);
    taste(Qt::Key_F6);
    EXPECT_EQ(fokus(), f->picVorgabe);
    EXPECT_EQ(f->cursor(Seite::Vorgabe), (Feldcursor{spalte, 8})) << "the cursor stays where it was";

    // The menu bar by Alt: "Datei", "?", "Prüfen".
    taste(Qt::Key_Alt);
    taste(Qt::Key_Right, {}, 2);
    taste(Qt::Key_Return);
    ASSERT_FALSE(u.dialoge->meldungen.empty());
    EXPECT_TRUE(u.dialoge->meldungen.back().text.startsWith(QStringLiteral("Gelöst!")))
        << u.dialoge->meldungen.back().text.toStdString();
}

// The frame is painted over the board on screen, over the glyphs, the trail and
// the blind, and never into the pictures the surfaces keep.
TEST_F(TastenTest, CursorShowsOnScreenButLeavesTheKeptPicturesAlone)
{
    starten();
    f->spiel().feldNachbau(1, 0) = HalbspiegelNW;
    f->cmdSpurClear_Click();
    f->chkSpur->setChecked(true);
    feldKlicken(f->picNachbau, 1.5, 8.5);
    f->cmdZehn_Click();
    const QImage nachbau = f->picNachbau->bild();
    const QImage vorgabe = f->picVorgabe->bild();
    const QImage rollo = f->picRollo->bild();
    const QColor magenta = qtFarbe(cursorFarbe);

    taste(Qt::Key_F6);
    EXPECT_EQ(imRahmen(Seite::Vorgabe, 0, 0), magenta) << "on the blind";
    cursorNach(Seite::Vorgabe, 0, -1);
    EXPECT_EQ(imRahmen(Seite::Vorgabe, 0, -1), magenta) << "on the hidden board's margin";
    taste(Qt::Key_F6);
    EXPECT_NE(imRahmen(Seite::Vorgabe, 0, -1), magenta) << "gone with the focus";
    EXPECT_EQ(imRahmen(Seite::Nachbau, 0, 0), magenta) << "on the model's board";
    cursorNach(Seite::Nachbau, 1, 0);
    EXPECT_EQ(imRahmen(Seite::Nachbau, 1, 0), magenta) << "over a glyph and the trail";
    EXPECT_NE(imRahmen(Seite::Nachbau, 0, 0), magenta) << "left behind";
    cursorNach(Seite::Nachbau, 1, 8);
    EXPECT_EQ(imRahmen(Seite::Nachbau, 1, 8), magenta) << "on the model's margin";

    EXPECT_EQ(f->picNachbau->bild(), nachbau);
    EXPECT_EQ(f->picVorgabe->bild(), vorgabe);
    EXPECT_EQ(f->picRollo->bild(), rollo);
}

// The board's accessible name is the cursor's place, with the model's content;
// the hidden board's never tells what a cell holds.
TEST_F(TastenTest, ScreenReaderHearsThePlaceAndOnlyTheModelsContent)
{
    starten();
    for (int y = 0; y < feldGroesse; ++y)
        for (int x = 0; x < feldGroesse; ++x)
            f->spiel().feldVorgabe(x, y) = (x + 3 * y) % anzahlCodes;
    taste(Qt::Key_F6);
    EXPECT_EQ(zugangsName(f->picVorgabe), QStringLiteral("Vorgabe a8: Zelle"));
    for (int y = 0; y < feldGroesse; ++y)
        for (int x = 0; x < feldGroesse; ++x) {
            cursorNach(Seite::Vorgabe, y % 2 ? feldGroesse - 1 - x : x, y);
            const Feldcursor c = f->cursor(Seite::Vorgabe);
            EXPECT_EQ(zugangsName(f->picVorgabe), QString::fromStdString("Vorgabe " + zellenName(c.x, c.y) + ": Zelle"));
        }
    cursorNach(Seite::Vorgabe, 2, 8);
    EXPECT_EQ(zugangsName(f->picVorgabe), QStringLiteral("Vorgabe unten c: Startplatz"));
    cursorNach(Seite::Vorgabe, -1, 7);
    EXPECT_EQ(zugangsName(f->picVorgabe), QStringLiteral("Vorgabe links 1: Startplatz, gesperrt"));
    f->picRandfreigabe_Click(0);
    EXPECT_EQ(zugangsName(f->picVorgabe), QStringLiteral("Vorgabe links 1: Startplatz"));

    taste(Qt::Key_F6);
    cursorNach(Seite::Nachbau, 3, 4);
    EXPECT_EQ(zugangsName(f->picNachbau), QStringLiteral("Nachbau d4: leer"));
    taste(Qt::Key_Space);
    EXPECT_EQ(zugangsName(f->picNachbau), QStringLiteral("Nachbau d4: Katzenauge"));
    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(zugangsName(f->picNachbau), QStringLiteral("Nachbau d4: leer")) << "undo is heard too";

    // The three "x" buttons that wipe are read by what they wipe.
    EXPECT_EQ(zugangsName(f->cmdDelN), QStringLiteral("Feld löschen"));
    EXPECT_EQ(zugangsName(f->cmdDelVor), QStringLiteral("Vorgabefeld löschen"));
    EXPECT_EQ(zugangsName(f->cmdRolloClear), QStringLiteral("Rollobeschriftung löschen"));
}

// The keys follow the mouse's rules: Space at a locked start place places
// nothing, Return on the hidden board without a probe is refused with the
// click's message, and the help line and boxes show what the pointer would.
TEST_F(TastenTest, KeysRefuseAndInformAsTheMouseDoes)
{
    starten();
    f->spiel().feldNachbau(2, 5) = SchwarzesLoch;
    taste(Qt::Key_F6);
    taste(Qt::Key_Return);
    ASSERT_EQ(u.dialoge->meldungen.size(), 1u);
    EXPECT_EQ(u.dialoge->meldungen[0].text, QStringLiteral("Bitte erst die Sonde auf den Rand setzen (per Klick)"));
    EXPECT_EQ(f->txtHilfe->text(), *f->hilfeText(f->picRollo)) << "the cursor rests on the blind";
    cursorNach(Seite::Vorgabe, -1, 0);
    taste(Qt::Key_Space);
    EXPECT_FALSE(sondeGesetzt(f->spiel().sondeVorgabe));
    EXPECT_EQ(f->txtHilfe->text(), *f->hilfeText(f->picVorgabe));
    EXPECT_EQ(f->txtKoordinateVorgabe->text(), QStringLiteral("-1 /0"));

    taste(Qt::Key_F6);
    cursorNach(Seite::Nachbau, 2, 5);
    EXPECT_EQ(f->txtHilfe->text(), *f->hilfeText(f->picNachbau));
    EXPECT_EQ(f->txtKoordinateNachbau->text(), QStringLiteral("2 /5"));
    EXPECT_EQ(f->txtNachbauFeldtyp->text(), QStringLiteral("10"));
    const Sonde vorher = f->spiel().sondeNachbau;
    cursorNach(Seite::Nachbau, 8, 5);
    taste(Qt::Key_Space);
    EXPECT_EQ(f->spiel().sondeNachbau, vorher) << "the right border is locked";
}

// A launch lets events run between its steps; the repeats of a Return held
// down must not start launches inside it, which would spoil the record.
TEST_F(TastenTest, HeldReturnLaunchesOnce)
{
    starten();
    taste(Qt::Key_F6);
    cursorNach(Seite::Vorgabe, 3, 8);
    taste(Qt::Key_Space);
    const long long vorDemLauf = u.zeit->aufrufe;
    u.zeit->beiWarten = [this, vorDemLauf](long long aufruf) {
        if (aufruf == vorDemLauf + 30)
            QCoreApplication::postEvent(f->picVorgabe, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, {}, QString(), true));
    };
    taste(Qt::Key_Return);
    u.zeit->beiWarten = nullptr;
    ASSERT_EQ(f->spiel().beobachtungen.size(), 1u);
    EXPECT_FALSE(f->spiel().beobachtungen[0].verschachtelt);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("9"));
}

} // namespace
