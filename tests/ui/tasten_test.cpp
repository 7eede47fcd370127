// Playing with the keyboard alone: the boards' cursors and their keys, F6, the cursor's frame on
// screen only, and what a screen reader is told.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "model/ortsname.h"
#include "model/pruefen.h"
#include "render/aussehen.h"
#include "tests/model/felder.h"
#include "tests/ui/fenster.h"
#include "tests/ui/mithoerer.h"
#include "ui/beobachtungsfenster.h"
#include "ui/festesbild.h"
#include "ui/qtfarbe.h"
#include "ui/spielregeln.h"

#include <QScrollBar>
#include <QTableView>

namespace {

class TastenTest : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        aktivieren();
    }
    void taste(Qt::Key k, Qt::KeyboardModifiers mit = {}, int mal = 1)
    {
        for (int i = 0; i < mal; ++i)
            QTest::keyClick(f->windowHandle(), k, mit);
        QCoreApplication::processEvents();
    }
    static QWidget* fokus() { return QApplication::focusWidget(); }

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
    static QString name(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
    // Whether the board on screen shows the frame's magenta at the place (x, y).
    static bool rahmenBei(QtZeichenflaeche* b, int x, int y)
    {
        const QPoint p = b->nachPixeln(x, y, 1, 1).topLeft() + QPoint(2, 2);
        return b->grab().toImage().pixelColor(p) == qtFarbe(cursorFarbe);
    }
};

// Start, a box, a launch with Return held, the model built cell by cell with
// one edit undone, a single step and the check, all on keys.
TEST_F(TastenTest, WholeGameFromTheKeyboard)
{
    ASSERT_EQ(fokus(), f->cmdStart);
    taste(Qt::Key_F6);
    EXPECT_EQ(fokus(), f->cmdStart) << "the start screen's boards take no focus";
    taste(Qt::Key_Space);
    for (int i = 0; i < 60 && fokus() != f->cmdTarnkiste; ++i)
        taste(Qt::Key_Tab);
    taste(Qt::Key_Space);
    const Feld kiste = f->spiel().feldVorgabeKopie;
    ASSERT_NE(kiste, Feld{});

    taste(Qt::Key_F6);
    ASSERT_EQ(fokus(), f->picVorgabe);
    int spalte = 0;
    while (verborgenerLauf(kiste, sondeAmRand(Rand::Unten, spalte)).art == Laufausgang::Art::Endlos)
        ++spalte;
    cursorNach(Seite::Vorgabe, spalte, 8);
    taste(Qt::Key_Space);
    // The repeats of a Return held down start no launch inside the running
    // one, which would spoil the record.
    const long long vorDemLauf = u.zeit->aufrufe;
    u.zeit->beiWarten = [this, vorDemLauf](long long aufruf) {
        if (aufruf == vorDemLauf + 30)
            QCoreApplication::postEvent(f->picVorgabe, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, {}, QString(), true));
    };
    taste(Qt::Key_Return);
    u.zeit->beiWarten = nullptr;
    EXPECT_EQ(f->spiel().beobachtungen.size(), 1u);

    // Every object of the box, Space forwards and Ctrl+Space seven on.
    taste(Qt::Key_F6);
    ASSERT_EQ(fokus(), f->picNachbau);
    for (int y = 0; y < feldGroesse; ++y)
        for (int x = 0; x < feldGroesse; ++x)
            if (const int code = kiste(x, y); code != Leer) {
                cursorNach(Seite::Nachbau, x, y);
                if (code >= 7)
                    taste(Qt::Key_Space, Qt::ControlModifier);
                taste(Qt::Key_Space, {}, code >= 7 ? code - 7 : code);
            }
    // An empty cell: a cat's eye undone, a trapdoor by Shift+Space cycled on to empty.
    int leer = 0;
    while (kiste(leer, 7) != Leer)
        ++leer;
    cursorNach(Seite::Nachbau, leer, 7);
    taste(Qt::Key_Space);
    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f->spiel().feldNachbau(leer, 7), Leer);
    taste(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(f->spiel().feldNachbau(leer, 7), Falltuer);
    taste(Qt::Key_Space);
    EXPECT_EQ(f->spiel().feldNachbau, kiste);

    cursorNach(Seite::Nachbau, leer, 8);
    taste(Qt::Key_Space);
    taste(Qt::Key_Return);
    EXPECT_EQ(f->txtZaehler->text(), QStringLiteral("1"));
    EXPECT_EQ(f->spiel().sondeNachbau, (Sonde{leer, 7, 0, -1}));

    // Back to the control that had the focus, on to the hidden board's cursor where it was.
    taste(Qt::Key_F6);
    EXPECT_EQ(fokus(), f->cmdTarnkiste);
    taste(Qt::Key_F6);
    EXPECT_EQ(f->cursor(Seite::Vorgabe), (Feldcursor{spalte, 8}));

    // The menu bar by Alt: "Datei", "?", "Prüfen".
    taste(Qt::Key_Alt);
    taste(Qt::Key_Right, {}, 2);
    taste(Qt::Key_Return);
    EXPECT_TRUE(u.dialoge->meldungen.back().text.startsWith(QStringLiteral("Gelöst!")));
}

// The frame shows over the blind, a glyph and the trail, goes
// with the focus, and is never drawn into the pictures the surfaces keep.
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

    taste(Qt::Key_F6);
    EXPECT_TRUE(rahmenBei(f->picVorgabe, 0, 0)) << "on the blind";
    taste(Qt::Key_F6);
    EXPECT_FALSE(rahmenBei(f->picVorgabe, 0, 0)) << "gone with the focus";
    cursorNach(Seite::Nachbau, 1, 0);
    EXPECT_TRUE(rahmenBei(f->picNachbau, 1, 0)) << "over a glyph and the trail";
    EXPECT_FALSE(rahmenBei(f->picNachbau, 0, 0)) << "left behind";

    EXPECT_EQ(f->picNachbau->bild(), nachbau);
    EXPECT_EQ(f->picVorgabe->bild(), vorgabe);
    EXPECT_EQ(f->picRollo->bild(), rollo);
}

// The board's accessible name is the cursor's place, with the model's content
// also after an undo; the hidden board's never tells what a cell holds.
TEST_F(TastenTest, ScreenReaderHearsThePlaceAndOnlyTheModelsContent)
{
    starten();
    for (int y = 0; y < feldGroesse; ++y)
        for (int x = 0; x < feldGroesse; ++x)
            f->spiel().feldVorgabe(x, y) = (x + 3 * y) % anzahlCodes;
    taste(Qt::Key_F6);
    for (int y = 0; y < feldGroesse; ++y)
        for (int x = 0; x < feldGroesse; ++x) {
            cursorNach(Seite::Vorgabe, y % 2 ? feldGroesse - 1 - x : x, y);
            const Feldcursor c = f->cursor(Seite::Vorgabe);
            EXPECT_EQ(name(f->picVorgabe), QString::fromStdString("Vorgabe " + zellenName(c.x, c.y) + ": Zelle"));
        }
    cursorNach(Seite::Vorgabe, 2, 8);
    EXPECT_EQ(name(f->picVorgabe), QStringLiteral("Vorgabe unten c: Startplatz"));
    cursorNach(Seite::Vorgabe, -1, 7);
    EXPECT_EQ(name(f->picVorgabe), QStringLiteral("Vorgabe links 1: Startplatz, gesperrt"));
    taste(Qt::Key_Space);
    EXPECT_FALSE(sondeGesetzt(f->spiel().sondeVorgabe)) << "a locked border takes no probe";
    f->picRandfreigabe_Click(0);
    EXPECT_EQ(name(f->picVorgabe), QStringLiteral("Vorgabe links 1: Startplatz"));

    taste(Qt::Key_F6);
    cursorNach(Seite::Nachbau, 3, 4);
    EXPECT_EQ(name(f->picNachbau), QStringLiteral("Nachbau d4: leer"));
    taste(Qt::Key_Space);
    EXPECT_EQ(name(f->picNachbau), QStringLiteral("Nachbau d4: Katzenauge"));
    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name(f->picNachbau), QStringLiteral("Nachbau d4: leer"));

    EXPECT_EQ(name(f->cmdDelN), QStringLiteral("Feld löschen"));
    EXPECT_EQ(name(f->cmdDelVor), QStringLiteral("Vorgabefeld löschen"));
    EXPECT_EQ(name(f->cmdRolloClear), QStringLiteral("Rollobeschriftung löschen"));
}

// What the screen reader is told, as the toolkit sends it out: the focused
// object's new description on 6.4, the announcement on 6.8.
void mitschreiben(std::vector<QString>& gehoert, QAccessibleEvent* ereignis)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (ereignis->type() == QAccessible::Announcement)
        gehoert.push_back(static_cast<QAccessibleAnnouncementEvent*>(ereignis)->message());
#else
    if (ereignis->type() == QAccessible::DescriptionChanged && ereignis->object() == QApplication::focusWidget())
        gehoert.push_back(ereignis->accessibleInterface()->text(QAccessible::Description));
#endif
}

// b8 a cat's eye over a trapdoor at b7: a probe up column b is caught
// between them for ever. A mirror at e5, a black hole at g3.
const Feld kiste = feldAus({".K......", ".T......", "........", "..../...",
                            "........", "......@.", "........", "........"});

class OhneMausTest : public TastenTest {
protected:
    std::vector<QString> ansagen;

    void SetUp() override
    {
        TastenTest::SetUp();
        mithoeren() = [this](QAccessibleEvent* e) { mitschreiben(ansagen, e); };
    }
    void TearDown() override
    {
        mithoeren() = nullptr;
        TastenTest::TearDown();
    }
    QString zuletzt() const { return ansagen.empty() ? QString() : ansagen.back(); }
    // Escape pressed in the middle of the next launch, after `schritte` of its steps.
    void escapeNach(int schritte)
    {
        const long long vorDemLauf = u.zeit->aufrufe;
        u.zeit->beiWarten = [this, vorDemLauf, schritte](long long aufruf) {
            // A step waits twelve times as the marker slides and once after it.
            if (aufruf == vorDemLauf + 13 * schritte + 3)
                QTest::keyClick(f->windowHandle(), Qt::Key_Escape);
            // A broken Escape fails the test instead of running on for ever.
            if (aufruf == vorDemLauf + 13 * (schritte + 100))
                f->Picture3_Click();
        };
    }
    static bool offen(QWidget* schalter)
    {
        const QAccessibleInterface* i = QAccessible::queryAccessibleInterface(schalter);
        return i->role() == QAccessible::CheckBox && i->state().checkable && i->state().checked;
    }
};

TEST_F(OhneMausTest, SpaceRightAfterTheStartLeavesTheBlindDown)
{
    ASSERT_EQ(fokus(), f->cmdStart);
    taste(Qt::Key_Space);
    EXPECT_EQ(fokus(), f->picVorgabe);
    EXPECT_EQ(f->cursor(Seite::Vorgabe), (Feldcursor{0, 0}));
    taste(Qt::Key_Space);
    EXPECT_EQ(f->vscRollo->value(), f->vscRollo->maximum()) << "the blind is still down";
}

// Start, the three border switches opened, one launch from each border, an
// endless run stopped by Escape, and the rules and the record windows
// opened and closed by keys; never a click.
// The board's unchanged name went out again at every move of the blind and
// every cell drawn: some 150 times during the start, each a screen reader's.
TEST_F(OhneMausTest, TheBoardsNameGoesOutOnlyWhenItChanges)
{
    std::vector<QString> namen;
    mithoeren() = [this, &namen](QAccessibleEvent* e) {
        if (e->type() == QAccessible::NameChanged && e->object() == f->picVorgabe)
            namen.push_back(e->accessibleInterface()->text(QAccessible::Name));
    };
    taste(Qt::Key_Space);
    ASSERT_EQ(fokus(), f->picVorgabe);
    ASSERT_FALSE(namen.empty());
    for (std::size_t i = 1; i < namen.size(); ++i)
        EXPECT_NE(namen[i], namen[i - 1]) << "sent again: " << namen[i].toStdString();
}

TEST_F(OhneMausTest, WholeGameFromEveryBorderWithEscape)
{
    taste(Qt::Key_Space);
    ASSERT_EQ(fokus(), f->picVorgabe);
    vorgabe(kiste);

    // After the board come the switches: top, left, right, bottom.
    for (const int i : {2, 0, 1}) {
        taste(Qt::Key_Tab);
        ASSERT_EQ(fokus(), f->picRandfreigabe[static_cast<std::size_t>(i)]);
        EXPECT_FALSE(offen(fokus()));
        taste(Qt::Key_Space);
        EXPECT_TRUE(offen(fokus())) << i;
        EXPECT_TRUE(randFrei(f->spiel(), static_cast<Rand>(i)));
    }
    EXPECT_EQ(zuletzt(), QStringLiteral("rechter Rand: offen"));
    taste(Qt::Key_Tab);
    ASSERT_EQ(fokus(), f->picRandfreigabe[3]);
    taste(Qt::Key_Space);
    EXPECT_TRUE(offen(fokus())) << "the bottom border cannot be locked";
    EXPECT_EQ(zuletzt(), QStringLiteral("unterer Rand: immer offen"));

    taste(Qt::Key_F6);
    ASSERT_EQ(fokus(), f->picVorgabe);
    struct Lauf {
        Feldcursor start;
        const char* gehoert;
    };
    const Lauf laeufe[] = {
        {{-1, 3}, "Sonde 1: oben e, 9 Schritte, 1 Kontakt; dein Nachbau weicht ab"},
        {{8, 5}, "Sonde 2: schwarzes Loch, 2 Schritte, 0 Kontakte; dein Nachbau weicht ab"},
        {{7, -1}, "Sonde 3: unten h, 9 Schritte, 0 Kontakte; dein Nachbau stimmt"},
    };
    for (const Lauf& l : laeufe) {
        cursorNach(Seite::Vorgabe, l.start.x, l.start.y);
        taste(Qt::Key_Space);
        taste(Qt::Key_Return);
        EXPECT_EQ(zuletzt(), QString::fromUtf8(l.gehoert));
        EXPECT_EQ(fokus(), f->picVorgabe) << "the focus stays";
    }
    EXPECT_EQ(name(f->picVorgabe), QStringLiteral("Vorgabe oben h: Startplatz; Sonde 3: hier hinein, unten h heraus, "
                                                  "9 Schritte, 0 Kontakte, stimmt"));
    cursorNach(Seite::Vorgabe, 4, -1);
    EXPECT_EQ(name(f->picVorgabe), QStringLiteral("Vorgabe oben e: Startplatz; Sonde 1: links 5 hinein, hier heraus, "
                                                  "9 Schritte, 1 Kontakt, weicht ab"));

    // Up column b into the loop; Escape ends the run from the board.
    cursorNach(Seite::Vorgabe, 1, 8);
    taste(Qt::Key_Space);
    escapeNach(40);
    taste(Qt::Key_Return);
    u.zeit->beiWarten = nullptr;
    ASSERT_EQ(f->spiel().beobachtungen.size(), 4u);
    EXPECT_EQ(f->spiel().beobachtungen.back().ende, Beobachtung::Ende::Angehalten);
    EXPECT_EQ(f->spiel().beobachtungen.back().schritte, 41);
    EXPECT_TRUE(zuletzt().startsWith(QStringLiteral("Sonde 4: angehalten, 41 Schritte, "))) << zuletzt().toStdString();

    // The STOP sign is reached by Tab and works by Space, as a click does.
    f->Command5->setFocus();
    taste(Qt::Key_Tab);
    ASSERT_EQ(fokus(), f->Picture3);
    EXPECT_EQ(name(f->Picture3), QStringLiteral("Stop"));
    f->spiel().abbruchVorgabe = 0;
    taste(Qt::Key_Space);
    EXPECT_EQ(f->spiel().abbruchVorgabe, 1);

    // The rules by F1, the record from the menu bar; each closes by key and
    // gives the focus back.
    taste(Qt::Key_F6);
    ASSERT_EQ(fokus(), f->picVorgabe);
    taste(Qt::Key_F1);
    ASSERT_TRUE(f->spielregeln()->isVisible());
    QTest::keyClick(f->spielregeln()->windowHandle(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(f->spielregeln()->isVisible());
    EXPECT_EQ(fokus(), f->picVorgabe);

    f->cmdBeobachtungen->trigger();
    QCoreApplication::processEvents();
    Beobachtungsfenster* b = f->beobachtungsfenster();
    ASSERT_TRUE(b->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(b)->role(), QAccessible::Window);
    EXPECT_EQ(name(b), QStringLiteral("Beobachtungen"));
    EXPECT_EQ(b->tabelle()->currentIndex().row(), 3) << "on the newest row";
    QTest::keyClick(b->windowHandle(), Qt::Key_W, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(b->isVisible());
    EXPECT_EQ(fokus(), f->picVorgabe);
}

// What a sighted player sees at the end of a launch is what the screen
// reader hears: out of the box, into a black hole, stopped by the STOP sign.
TEST_F(OhneMausTest, ScreenReaderHearsHowEachLaunchEnds)
{
    starten();
    vorgabe(kiste);
    f->picRandfreigabe_Click(0);
    f->picRandfreigabe_Click(1);
    taste(Qt::Key_F6);
    ASSERT_EQ(fokus(), f->picVorgabe);
    ansagen.clear();

    feldKlicken(f->picVorgabe, -0.5, 3.5);
    f->Command5_Click();
    feldKlicken(f->picVorgabe, 8.5, 5.5);
    f->Command5_Click();
    feldKlicken(f->picVorgabe, 1.5, 8.5);
    const long long vorDemLauf = u.zeit->aufrufe;
    u.zeit->beiWarten = [this, vorDemLauf](long long aufruf) {
        if (aufruf == vorDemLauf + 13 * 4 + 3)
            f->Picture3_Click();
    };
    f->Command5_Click();
    u.zeit->beiWarten = nullptr;
    const std::vector<QString> erwartet{
        QStringLiteral("Sonde 1: oben e, 9 Schritte, 1 Kontakt; dein Nachbau weicht ab"),
        QStringLiteral("Sonde 2: schwarzes Loch, 2 Schritte, 0 Kontakte; dein Nachbau weicht ab"),
        QStringLiteral("Sonde 3: angehalten, 5 Schritte, 0 Kontakte; dein Nachbau stimmt"),
    };
    EXPECT_EQ(ansagen, erwartet);

    // The model probe after a step, and after N steps held by a black hole.
    f->spiel().feldNachbau(6, 5) = SchwarzesLoch;
    feldKlicken(f->picNachbau, 8.5, 5.5);
    f->cmdSchritt_Click();
    EXPECT_EQ(zuletzt(), QStringLiteral("Nachbau: Sonde auf h3, nach Westen"));
    f->cmdZehn_Click();
    EXPECT_EQ(zuletzt(), QStringLiteral("Nachbau: Sonde im schwarzen Loch g3 gefangen"));
}

// With the blind raised a sighted player sees the cells below its edge;
// the screen reader reads them too, and the covered ones stay unknown.
TEST_F(OhneMausTest, CellsTheBlindUncoversReadTheirContent)
{
    starten();
    vorgabe(kiste);
    taste(Qt::Key_F6);
    cursorNach(Seite::Vorgabe, 1, 0);
    EXPECT_EQ(name(f->picVorgabe), QStringLiteral("Vorgabe b8: Zelle"));
    f->vscRollo->setValue(1);
    EXPECT_EQ(name(f->picVorgabe), QStringLiteral("Vorgabe b8: Katzenauge"));
    f->vscRollo->setValue(20);
    taste(Qt::Key_Down);
    EXPECT_EQ(name(f->picVorgabe), QStringLiteral("Vorgabe b7: Zelle")) << "under the blind's edge at 2.1";
}

// A start place is read with the launches through it; a new box empties the
// record, and the name loses them without the cursor moving.
TEST_F(OhneMausTest, AStartPlaceForgetsItsLaunchesWithTheBox)
{
    starten();
    vorgabe(kiste);
    taste(Qt::Key_F6);
    cursorNach(Seite::Vorgabe, 0, 8);
    taste(Qt::Key_Space);
    taste(Qt::Key_Return);
    EXPECT_TRUE(name(f->picVorgabe).contains(QStringLiteral("Sonde 1: hier hinein"))) << name(f->picVorgabe).toStdString();
    f->cmdTarnkiste_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(name(f->picVorgabe), QStringLiteral("Vorgabe unten a: Startplatz"));
}

// Actions that used to pass without a word confirm themselves in the help
// line and to the screen reader.
TEST_F(OhneMausTest, SilentSuccessesAreConfirmed)
{
    starten();
    f->Check1->setChecked(true);
    taste(Qt::Key_F6);
    const std::pair<std::function<void()>, const char*> faelle[] = {
        {[this] { f->cmdTarnkiste->click(); }, "Neue Tarnkiste erstellt"},
        {[this] { f->cmdTextKopieren->trigger(); }, "Die Tarnkiste ist als Text in der Zwischenablage"},
        {[this] { f->cmdTextEinfuegen->trigger(); }, "Die Tarnkiste aus der Zwischenablage ist eingefügt"},
        {[this] { f->cmdUebernehmen[0]->click(); }, "Die Tarnkiste ist in den Nachbau kopiert"},
        {[this] { f->cmdUebernehmen[1]->click(); }, "Der Nachbau ist als neue Tarnkiste kopiert"},
    };
    for (const auto& [tun, text] : faelle) {
        tun();
        EXPECT_EQ(f->txtHilfe->text(), QString::fromUtf8(text));
        EXPECT_EQ(zuletzt(), QString::fromUtf8(text));
    }
}

} // namespace
