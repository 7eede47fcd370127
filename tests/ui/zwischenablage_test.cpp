// Boxes passed on as text: the two entries of the file menu, what copying puts on the clipboard, and what pasting does or refuses.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "model/feldtext.h"
#include "tests/model/felder.h"
#include "tests/ui/fenster.h"

namespace {

// b4 a trapdoor in the probe's way up column b; the rest off its path.
const Feld kiste = feldAus({"......K.", "........", "........", ".T.-....",
                            "........", ".....@..", "........", "7......."});

} // namespace

class ZwischenablageTest : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        starten();
        vorgabe(kiste);
    }
    // A launch up column b, which closes the trapdoor at b4.
    void starteSonde()
    {
        feldKlicken(f->picVorgabe, 1.5, 8.5);
        klicken(f->Command5);
    }
    static QClipboard* ablage() { return QGuiApplication::clipboard(); }
};

// Their place in the menu is held with the menu's other entries.
TEST_F(ZwischenablageTest, EntriesShowTheirHelpInTheHelpLine)
{
    for (QAction* a : {f->cmdTextKopieren, f->cmdTextEinfuegen}) {
        f->txtHilfe->clear();
        a->hover();
        EXPECT_TRUE(f->txtHilfe->text().contains(QStringLiteral("Zwischenablage"))) << a->text().toStdString();
    }
}

// The friend is to solve the box the player got, not the one the launches
// left behind: the closed trapdoor is open again in the code.
TEST_F(ZwischenablageTest, CopyGivesTheBoxAsGivenNotAsLaunchesChangedIt)
{
    starteSonde();
    ASSERT_EQ(f->spiel().feldVorgabe(1, 3), Katzenauge) << "the launch closed the trapdoor";
    const Spielstand vorher = f->spiel();
    ablage()->clear();

    f->cmdTextKopieren->trigger();
    const QString text = ablage()->text();
    EXPECT_EQ(text.toStdString(), feldAlsKistentext(kiste));
    const Textlesung lesung = feldAusKistentext(text.toStdString());
    ASSERT_TRUE(lesung.feld.has_value()) << text.toStdString();
    EXPECT_EQ(*lesung.feld, kiste);
    EXPECT_TRUE(f->spiel() == vorher) << "copying changes nothing";
    EXPECT_TRUE(u.dialoge->meldungen.empty());
}

// Pasting is opening a file: the new box as given, drawn in every cell, the
// score and the record afresh, the model and the probes as they were.
TEST_F(ZwischenablageTest, PasteMakesTheBoxAsGivenAndStartsAfresh)
{
    Feld neu;
    neu(2, 5) = SchwarzesLoch;
    neu(6, 0) = Falltuer;
    f->spiel().feldNachbau(4, 4) = HalbspiegelNW;
    starteSonde();
    starteSonde();
    ASSERT_EQ(f->spiel().gestarteteSonden, 2);
    ASSERT_EQ(f->spiel().beobachtungen.size(), 2u);
    const Spielstand vorher = f->spiel();

    ablage()->setText(QStringLiteral("  ") + QString::fromStdString(feldAlsKistentext(neu)) + QStringLiteral("\n"));
    f->cmdTextEinfuegen->trigger();
    EXPECT_TRUE(u.dialoge->meldungen.empty());
    EXPECT_EQ(f->spiel().feldVorgabe, neu);
    EXPECT_EQ(f->spiel().feldVorgabeKopie, neu);
    EXPECT_EQ(f->spiel().gestarteteSonden, 0);
    EXPECT_TRUE(f->spiel().beobachtungen.empty());
    EXPECT_EQ(f->spiel().feldNachbau, vorher.feldNachbau);
    EXPECT_EQ(f->spiel().sondeVorgabe, vorher.sondeVorgabe);
    EXPECT_EQ(f->spiel().sondeNachbau, vorher.sondeNachbau);

    // Reopening redraws every cell from the box as given: nothing may change.
    const QImage bild = f->picVorgabe->bild();
    klicken(f->cmdWiederherstellen);
    EXPECT_EQ(f->picVorgabe->bild(), bild) << "every hidden cell drawn by the paste";

    starteSonde();
    EXPECT_EQ(f->spiel().gestarteteSonden, 1) << "the score counts from the paste";
}

TEST_F(ZwischenablageTest, BadTextChangesNothingAndTellsThePlayer)
{
    starteSonde();
    const Spielstand vorher = f->spiel();
    const QImage bild = f->picVorgabe->bild();
    std::string vertippt = feldAlsKistentext(Feld{});
    vertippt[8] = vertippt[8] == 'x' ? 'y' : 'x';
    struct Fall {
        const char* name;
        QString text;
        QString grund;
    };
    const Fall faelle[] = {
        {"empty clipboard", QString(), QStringLiteral("Die Zwischenablage enthält keinen Text.")},
        {"mistyped", QString::fromStdString(vertippt),
         QStringLiteral("Die Prüfsumme stimmt nicht: Der Code ist verschrieben oder unvollständig.")},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        u.dialoge->meldungen.clear();
        ablage()->setText(fall.text);
        f->cmdTextEinfuegen->trigger();
        ASSERT_EQ(u.dialoge->meldungen.size(), 1u);
        EXPECT_EQ(u.dialoge->meldungen[0].titel, QStringLiteral("Tarnkiste"));
        EXPECT_EQ(u.dialoge->meldungen[0].text, QStringLiteral("Der Text ist keine Tarnkiste. ") + fall.grund);
        EXPECT_TRUE(f->spiel() == vorher) << "box, copy, score and record as they were";
        EXPECT_EQ(f->picVorgabe->bild(), bild);
    }
}
