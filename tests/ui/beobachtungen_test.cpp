// The window "Beobachtungen" as the player uses it: rows of launches, marks that follow the model, a double click.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include "tests/model/felder.h"
#include "tests/ui/fenster.h"
#include "ui/beobachtungsfenster.h"
#include "ui/beobachtungsmodell.h"

namespace {

// d5 a rotating mirror, f3 a black hole, g8 a cat's eye.
const Feld kiste = feldAus({"......K.", "........", "........", "...-....",
                            "........", ".....@..", "........", "........"});

class BeobachtungenTest : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        starten();
        vorgabe(kiste);
    }
    void starteUnten(double spalte)
    {
        feldKlicken(f->picVorgabe, spalte, 8.5);
        klicken(f->Command5);
    }
    Beobachtungsfenster* oeffnen()
    {
        f->cmdBeobachtungen->trigger();
        QCoreApplication::processEvents();
        return f->beobachtungsfenster();
    }
    // The texts of one row as the table shows them.
    QStringList zeile(int r)
    {
        QStringList texte;
        const auto& m = f->beobachtungsfenster()->modell();
        for (int c = 0; c < m.columnCount(); ++c)
            texte << m.data(m.index(r, c)).toString();
        return texte;
    }
};

TEST_F(BeobachtungenTest, OneWindowRightAfterTheCheckThatChangesNothing)
{
    const auto menues = f->menuBar()->actions();
    ASSERT_GE(menues.size(), 4);
    EXPECT_EQ(menues[3], f->cmdBeobachtungen);
    EXPECT_EQ(menues[3]->menu(), nullptr);
    const Spielstand vorher = f->spiel();
    Beobachtungsfenster* fenster = oeffnen();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Tarnkiste – Beobachtungen"));
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_FALSE(fenster->isModal());
    fenster->close();
    EXPECT_EQ(oeffnen(), fenster);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(f->spiel() == vorher);
}

TEST_F(BeobachtungenTest, RowsShowTheLaunchesAndMarksFollowTheModel)
{
    oeffnen();
    f->spiel().feldNachbau = kiste;
    starteUnten(6.5);
    klicken(f->Command5);  // again from the exit place: one step
    starteUnten(5.5);
    QCoreApplication::processEvents();
    ASSERT_EQ(f->beobachtungsfenster()->modell().rowCount(), 3);
    EXPECT_EQ(zeile(0), (QStringList{"1", "unten g", "unten g", "16", "1", "✓ stimmt", ""}));
    EXPECT_EQ(zeile(1), (QStringList{"2", "unten g", "unten g", "1", "0", "✓ stimmt", ""}));
    EXPECT_EQ(zeile(2), (QStringList{"3", "unten f", "schwarzes Loch", "3", "0", "✓ stimmt", ""}));
    EXPECT_EQ(f->beobachtungsfenster()->zusammenfassung()->text(),
              QStringLiteral("Dein Nachbau erklärt 3 von 3 vergleichbaren Beobachtungen."));

    feldKlicken(f->picNachbau, 6.5, 0.5);  // the cat's eye at g8 becomes a mirror
    QCoreApplication::processEvents();
    EXPECT_EQ(zeile(0).mid(5), (QStringList{"✗ weicht ab", "rechts 8, 10 Schritte, 1 Kontakt"}));
    EXPECT_EQ(f->beobachtungsfenster()->zusammenfassung()->text(),
              QStringLiteral("Dein Nachbau erklärt 2 von 3 vergleichbaren Beobachtungen."));
    f->cmdRueckgaengig->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(zeile(0).mid(5), (QStringList{"✓ stimmt", ""}));

    klicken(f->cmdTarnkiste);
    QCoreApplication::processEvents();
    EXPECT_EQ(f->beobachtungsfenster()->modell().rowCount(), 0) << "a new box, a new record";
}

// "Schritte" and "Kontakte" stood over each other's numbers.
TEST_F(BeobachtungenTest, EachNumberStandsUnderItsOwnHeading)
{
    QTableView* tabelle = oeffnen()->tabelle();
    starteUnten(6.5);  // 16 steps, 1 contact
    QCoreApplication::processEvents();
    const QAbstractItemModel* m = tabelle->model();
    const auto unter = [m](const QString& kopf) {
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->headerData(c, Qt::Horizontal).toString() == kopf)
                return m->data(m->index(0, c)).toString();
        return QStringLiteral("no such heading");
    };
    const std::pair<const char*, const char*> erwartet[] = {
        {"Nr", "1"}, {"Start", "unten g"}, {"Ende", "unten g"}, {"Schritte", "16"}, {"Kontakte", "1"},
    };
    for (const auto& [kopf, text] : erwartet)
        EXPECT_EQ(unter(QString::fromUtf8(kopf)), QString::fromUtf8(text)) << kopf;
}

// With more launches than the window has room for, the newest stayed out of view.
TEST_F(BeobachtungenTest, NewestLaunchIsScrolledIntoView)
{
    QTableView* tabelle = oeffnen()->tabelle();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f->beobachtungsfenster()));
    constexpr int anzahl = 40;
    for (int i = 0; i < anzahl; ++i)
        starteUnten(0.5 + i % 8);
    QCoreApplication::processEvents();
    ASSERT_EQ(tabelle->model()->rowCount(), anzahl);
    ASSERT_GT(tabelle->verticalScrollBar()->maximum(), 0) << "all rows fit";
    const QRect letzte = tabelle->visualRect(tabelle->model()->index(anzahl - 1, 0));
    EXPECT_TRUE(tabelle->viewport()->rect().contains(letzte))
        << "newest row at " << letzte.top() << ", view " << tabelle->viewport()->height() << " high";
}

TEST_F(BeobachtungenTest, ALaunchInTheMiddleOfAnotherMarksBoth)
{
    const long long vorDemLauf = u.zeit->aufrufe;
    u.zeit->beiWarten = [this, vorDemLauf](long long aufruf) {
        if (aufruf == vorDemLauf + 30)
            f->Command5_Click();
    };
    starteUnten(6.5);
    u.zeit->beiWarten = nullptr;
    starteUnten(6.5);
    klicken(f->cmdWiederherstellen);
    starteUnten(6.5);
    oeffnen();
    ASSERT_EQ(f->beobachtungsfenster()->modell().rowCount(), 4);
    // What the box held after the two is not known until it is given again.
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(zeile(r)[5], QStringLiteral("–")) << r;
        EXPECT_EQ(zeile(r)[6], QString()) << "a made-up model run in row " << r;
    }
    EXPECT_EQ(zeile(3)[5], QStringLiteral("✗ weicht ab"));
}

TEST_F(BeobachtungenTest, DoubleClickPutsTheModelProbeOnTheStartPlace)
{
    starteUnten(6.5);
    f->spiel().sondeVorgabe = {4, 4, 0, -1};  // as a Stop would leave it
    klicken(f->Command5);
    Beobachtungsfenster* fenster = oeffnen();
    QTableView* tabelle = fenster->tabelle();
    const auto doppelklick = [tabelle](int r) {
        const QRect ort = tabelle->visualRect(tabelle->model()->index(r, 1));
        // The view takes a double click only on the row its press went to.
        QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, ort.center());
        QTest::mouseDClick(tabelle->viewport(), Qt::LeftButton, {}, ort.center());
        QCoreApplication::processEvents();
    };
    const Feld modell = f->spiel().feldNachbau;
    doppelklick(0);
    EXPECT_EQ(f->spiel().sondeNachbau, sondeAmRand(Rand::Unten, 6));
    EXPECT_EQ(f->spiel().feldNachbau, modell);
    doppelklick(1);  // "im Feld e4": no border place to go to
    EXPECT_EQ(f->spiel().sondeNachbau, sondeAmRand(Rand::Unten, 6));
    EXPECT_EQ(f->spiel().feldNachbau, modell) << "the double click edited the model cell e4";
}

// A model probe caught between a closed trapdoor and a cat's eye was shown
// as ", 40 Schritte, 3 Kontakte", as if it had come out nowhere.
TEST(Beobachtungsmodell, AModelRunWithoutEndReadsThatItNeverComesOut)
{
    Beobachtung b;
    b.start = sondeAmRand(Rand::Unten, 3);
    b.ende = Beobachtung::Ende::Ausgang;
    b.endeX = 3;
    b.endeY = 8;
    b.schritte = 18;
    const Feld falle = feldAus({"........", "........", "...K....", "........",
                                "........", "...T....", "........", "........"});
    Beobachtungsmodell m;
    m.zeigen({b}, falle);
    EXPECT_EQ(m.data(m.index(0, 5)).toString(), QStringLiteral("✗ weicht ab"));
    EXPECT_EQ(m.data(m.index(0, 6)).toString(), QStringLiteral("kommt nie heraus"));
}

} // namespace
