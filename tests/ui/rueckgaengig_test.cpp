// Undo and redo of the model field's edits: the cells and their pictures, the menu, and what undo never touches.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <functional>

#include "tests/model/felder.h"
#include "tests/ui/fenster.h"

namespace {

const Feld modell = feldAus({"K.......", "..T.....", "....-...", ".|......",
                             "......6.", "7.......", "...8..9.", "/......@"});

class RueckgaengigTest : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        starten();
    }
    // The model field with `feld` on screen.
    void modellZeigen(const Feld& feld)
    {
        f->spiel().feldNachbau = feld;
        f->cmdSpurClear_Click();
    }
    void tasten(Qt::Key taste, Qt::KeyboardModifiers mit)
    {
        QTest::keyClick(f->windowHandle(), taste, mit);
        QCoreApplication::processEvents();
    }
};

TEST_F(RueckgaengigTest, EachEditUndoneAndRedoneRestoresItsCellsOnScreen)
{
    Feld links;
    links(4, 4) = SchwarzesLoch;
    links(0, 0) = Katzenauge;
    struct Zeile {
        const char* text;
        std::function<void()> tun;
    };
    const Zeile tabelle[] = {
        {"Zelle c5", [&] { feldKlicken(f->picNachbau, 2.5, 3.5); }},
        {"Zelle h1", [&] { feldKlicken(f->picNachbau, 7.5, 7.5, Qt::RightButton); }},
        {"Zelle a8", [&] { feldKlicken(f->picNachbau, 0.5, 0.5, Qt::MiddleButton); }},
        {"Feld löschen", [&] { klicken(f->cmdDelN); }},
        {"von links nach rechts kopieren", [&] {
             f->spiel().feldVorgabe = links;
             f->Check1->setChecked(true);
             klicken(f->cmdUebernehmen[0]);
         }},
    };
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(z.text);
        modellZeigen(modell);
        const QImage bildVorher = f->picNachbau->bild();
        z.tun();
        const Feld nachher = f->spiel().feldNachbau;
        const QImage bildNachher = f->picNachbau->bild();
        ASSERT_NE(nachher, modell);
        EXPECT_EQ(f->cmdRueckgaengig->text(), QStringLiteral("Rückgängig: ") + QString::fromUtf8(z.text));
        EXPECT_TRUE(f->cmdRueckgaengig->isEnabled());
        EXPECT_FALSE(f->cmdWiederholen->isEnabled());

        tasten(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(f->spiel().feldNachbau, modell);
        EXPECT_EQ(f->picNachbau->bild(), bildVorher);
        EXPECT_EQ(f->cmdWiederholen->text(), QStringLiteral("Wiederholen: ") + QString::fromUtf8(z.text));

        tasten(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(f->spiel().feldNachbau, nachher);
        EXPECT_EQ(f->picNachbau->bild(), bildNachher);
        f->cmdRueckgaengig->trigger();
        tasten(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(f->spiel().feldNachbau, nachher);
    }
}

TEST_F(RueckgaengigTest, StepsUndoInTurnAndANewEditDropsTheRedo)
{
    EXPECT_FALSE(f->cmdRueckgaengig->isEnabled()) << "the history starts empty at the start click";
    EXPECT_EQ(f->cmdRueckgaengig->text(), QStringLiteral("Rückgängig"));
    feldKlicken(f->picNachbau, 0.5, 7.5);
    feldKlicken(f->picNachbau, 0.5, 7.5);
    feldKlicken(f->picNachbau, 1.5, 7.5);
    EXPECT_EQ(f->spiel().feldNachbau(0, 7), 2);
    f->cmdRueckgaengig->trigger();
    f->cmdRueckgaengig->trigger();
    EXPECT_EQ(f->spiel().feldNachbau(0, 7), 1) << "each click one step";
    EXPECT_EQ(f->spiel().feldNachbau(1, 7), 0);
    feldKlicken(f->picNachbau, 5.5, 5.5);
    EXPECT_FALSE(f->cmdWiederholen->isEnabled());
    EXPECT_EQ(f->cmdWiederholen->text(), QStringLiteral("Wiederholen"));
    f->cmdRueckgaengig->trigger();
    f->cmdRueckgaengig->trigger();
    EXPECT_EQ(f->spiel().feldNachbau, Feld{});
    EXPECT_FALSE(f->cmdRueckgaengig->isEnabled());
}

// Undo writes back only the cells its edit changed: not the hidden field,
// the probes, the counters, the trail between the cells, nor what a model
// run turned since.
TEST_F(RueckgaengigTest, UndoingAClearingLeavesEverythingElseAsItIs)
{
    modellZeigen(feldAus({"........", "........", "........", "........",
                          "........", ".....T..", "........", ".......K"}));
    f->chkSpur->setChecked(true);
    feldKlicken(f->picNachbau, 2.5, 7.5);  // model cell c1: a cat's eye in the way of nothing
    feldKlicken(f->picNachbau, 5.5, 8.5);  // the probe below column f, through the trapdoor
    for (int i = 0; i < 12; ++i)
        klicken(f->cmdSchritt);
    ASSERT_EQ(f->spiel().feldNachbau(5, 5), Katzenauge) << "the run closed the trapdoor";
    klicken(f->cmdDelN);
    const Spielstand nachLoeschen = f->spiel();
    const QImage bild = f->picNachbau->bild();
    const QString zaehler = f->txtZaehler->text();

    f->cmdRueckgaengig->trigger();
    Spielstand erwartet = nachLoeschen;
    erwartet.feldNachbau(2, 7) = Katzenauge;
    erwartet.feldNachbau(5, 5) = Katzenauge;
    erwartet.feldNachbau(7, 7) = Katzenauge;
    EXPECT_TRUE(f->spiel() == erwartet);
    EXPECT_EQ(f->txtZaehler->text(), zaehler);
    // Outside the three cells the picture, trail included, is unchanged.
    const QImage danach = f->picNachbau->bild();
    int anders = 0;
    int spur = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QPointF e = f->picNachbau->nachEinheiten(QPointF(x + 0.5, y + 0.5) / bild.devicePixelRatio());
            const int zx = static_cast<int>(std::floor(e.x()));
            const int zy = static_cast<int>(std::floor(e.y()));
            if ((zx == 2 && zy == 7) || (zx == 5 && zy == 5) || (zx == 7 && zy == 7))
                continue;
            anders += bild.pixel(x, y) != danach.pixel(x, y);
            spur += danach.pixelColor(x, y) == QColor(255, 255, 0);
        }
    EXPECT_EQ(anders, 0);
    EXPECT_GT(spur, 0) << "the trail between the cells is still there";

    // Undoing the first click turns the cell back, whatever the run did since.
    f->cmdRueckgaengig->trigger();
    EXPECT_EQ(f->spiel().feldNachbau(2, 7), Leer);
}

TEST_F(RueckgaengigTest, UndoDuringAHiddenRunChangesNothingOfTheRun)
{
    Feld kiste;
    kiste(3, 0) = Katzenauge;  // d8 sends the probe back down column d
    f->spiel().feldVorgabe = kiste;
    feldKlicken(f->picNachbau, 6.5, 6.5);
    const Feld vorbereitet = f->spiel().feldNachbau;
    const long long vorDemLauf = u.zeit->aufrufe;
    u.zeit->beiWarten = [this, vorDemLauf](long long aufruf) {
        if (aufruf == vorDemLauf + 40)
            f->cmdRueckgaengig->trigger();
    };
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    klicken(f->Command5);
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QStringLiteral("16"));
    EXPECT_EQ(f->spiel().sondeVorgabe, (Sonde{3, 8, 0, 0}));
    EXPECT_EQ(f->spiel().feldVorgabe, kiste);
    EXPECT_NE(vorbereitet, Feld{});
    EXPECT_EQ(f->spiel().feldNachbau, Feld{}) << "the undo itself took place";
}

// Clearing an empty model, or copying over a model that already is the
// hidden box, changed no cell but became an undo step and dropped the redo.
TEST_F(RueckgaengigTest, ClearingAnEmptyModelIsNoUndoStep)
{
    const std::pair<const char*, std::function<void()>> tabelle[] = {
        {"clearing", [&] { klicken(f->cmdDelN); }},
        {"copying the same box", [&] {
             f->spiel().feldVorgabe = Feld{};
             f->Check1->setChecked(true);
             klicken(f->cmdUebernehmen[0]);
         }},
    };
    for (const auto& [name, tun] : tabelle) {
        SCOPED_TRACE(name);
        feldKlicken(f->picNachbau, 2.5, 3.5);
        f->cmdRueckgaengig->trigger();
        ASSERT_EQ(f->spiel().feldNachbau, Feld{});
        tun();
        EXPECT_FALSE(f->cmdRueckgaengig->isEnabled());
        EXPECT_EQ(f->cmdWiederholen->text(), QStringLiteral("Wiederholen: Zelle c5"));
        f->cmdWiederholen->trigger();
        EXPECT_EQ(f->spiel().feldNachbau(2, 3), Katzenauge);
        f->cmdRueckgaengig->trigger();
    }
}

TEST_F(RueckgaengigTest, MenuSitsAfterTheCheckWithTheOnlyShortcuts)
{
    EXPECT_EQ(f->cmdSpielregeln->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::Key_F1)});
    EXPECT_EQ(f->cmdBearbeiten->title(), QStringLiteral("Bearbeiten"));
    EXPECT_EQ(f->cmdRueckgaengig->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
    EXPECT_EQ(f->cmdWiederholen->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}));
    for (QAction* a : f->findChildren<QAction*>())
        if (a != f->cmdRueckgaengig && a != f->cmdWiederholen && a != f->cmdSpielregeln && !a->menu()) {
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
        }
}

} // namespace
