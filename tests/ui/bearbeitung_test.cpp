// Editing with the mouse: placing probes, cycling model cells, border switches,
// the allowed-object ties, field operations and the file menu.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>

#if defined(__linux__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "model/felddatei.h"
#include "tests/ui/fenster.h"
#include "ui/festesbild.h"
#include "ui/marker.h"

TEST_F(FensterTest, BorderClicksPlaceProbesOnlyWhereTheBorderIsOpen)
{
    starten();
    // Locked borders, a corner and the exact board edge only rewrite the position boxes.
    for (auto [X, Y] : {std::pair{-0.5, 2.5}, {8.5, 2.5}, {2.5, -0.5}, {-0.5, -0.5}, {3.5, 8.0}, {8.0, 8.5}}) {
        f->txtOrtx->setText(QStringLiteral("?"));
        feldKlicken(f->picNachbau, X, Y);
        EXPECT_EQ(f->spiel().sondeNachbau, (Sonde{-1, 7, 0, 0})) << X << "," << Y;
        EXPECT_EQ(f->txtOrtx->text(), QStringLiteral("-1"));
        feldKlicken(f->picVorgabe, X, Y);
        EXPECT_EQ(f->spiel().sondeVorgabe.x, 8);
        EXPECT_EQ(f->txtOrtx->text(), QStringLiteral("8"));
        EXPECT_EQ(f->txtOrty->text(), QStringLiteral("8"));
    }

    f->txtZaehlerVorgabe->setText(QStringLiteral("5"));
    f->shpBallVorgabe->fuellungSetzen(Qt::white);
    feldKlicken(f->picVorgabe, 3.5, 8.5, Qt::RightButton);
    EXPECT_EQ(f->spiel().sondeVorgabe, (Sonde{3, 8, 0, -1}));
    EXPECT_EQ(f->markerOrt(Seite::Vorgabe), QPointF(3.35, 8.25));
    EXPECT_EQ(f->shpBallVorgabe->fuellung(), QColor(255, 255, 0));
    EXPECT_EQ(f->txtZaehlerVorgabe->text(), QString());
    EXPECT_EQ(f->txtOrtx->text(), QStringLiteral("3"));
    EXPECT_EQ(f->txtOrty->text(), QStringLiteral("8"));

    klicken(f->picRandfreigabe[0]);
    EXPECT_EQ(f->spiel().randFreigabe[0], 1);
    EXPECT_EQ(f->picRandfreigabe[0]->hintergrund(), QColor(0, 220, 0));
    const QColor vorher = f->pickompass->farbeBei(0.45, 0);
    feldKlicken(f->picNachbau, -0.5, 2.7);
    EXPECT_EQ(f->spiel().sondeNachbau, (Sonde{-1, 2, 1, 0}));
    EXPECT_EQ(f->markerOrt(Seite::Nachbau), QPointF(-0.65, 2.25));
    EXPECT_EQ(f->txtOrty->text(), QStringLiteral("2"));
    EXPECT_EQ(vorher, QColor(255, 255, 255));
    EXPECT_EQ(f->pickompass->farbeBei(0.45, 0), QColor(0, 0, 0)) << "needle towards O";
    // The hidden field's marker keeps its colour when the model probe is placed.
    f->shpBallNachbau->fuellungSetzen(Qt::white);
    feldKlicken(f->picNachbau, 4.5, 8.5);
    EXPECT_EQ(f->shpBallNachbau->fuellung(), QColor(Qt::white));

    klicken(f->picRandfreigabe[0]);
    EXPECT_EQ(f->picRandfreigabe[0]->hintergrund(), QColor(255, 255, 255));
    klicken(f->picRandfreigabe[3]);
    EXPECT_EQ(f->spiel().randFreigabe[3], 1);
    EXPECT_EQ(f->picRandfreigabe[3]->hintergrund(), QColor(0, 220, 0));
}

TEST_F(FensterTest, StartScreenTakesNoFieldClicks)
{
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    feldKlicken(f->picNachbau, 3.5, 3.5);
    EXPECT_EQ(f->spiel().sondeVorgabe.x, 8);
    EXPECT_EQ(f->spiel().feldNachbau(3, 3), Leer);
}

TEST_F(FensterTest, ModelCellsCycleWithTheThreeButtonsAndHiddenCellsStay)
{
    starten();
    auto folge = [&](Qt::MouseButton knopf, int anzahl) {
        std::vector<int> codes;
        for (int i = 0; i < anzahl; ++i) {
            feldKlicken(f->picNachbau, 2.5, 3.5, knopf);
            codes.push_back(f->spiel().feldNachbau(2, 3));
        }
        return codes;
    };
    EXPECT_EQ(folge(Qt::LeftButton, 12), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}));
    EXPECT_EQ(folge(Qt::RightButton, 3), (std::vector<int>{11, 10, 9}));
    EXPECT_EQ(f->spiel().feldNachbau(2, 3), 9);
    f->spiel().feldNachbau(2, 3) = 0;
    EXPECT_EQ(folge(Qt::MiddleButton, 3), (std::vector<int>{7, 2, 9}));
    EXPECT_EQ(f->picNachbau->farbeBei(2.5, 3.5), QColor(100, 100, 255)) << "the half mirror's glyph was drawn";

    // Barred kinds are skipped: only the boxes of codes 2 and 3 ticked.
    for (int i : {11, 1, 5, 6, 10})
        f->chkErlaubnis[static_cast<std::size_t>(i)]->setChecked(false);
    f->spiel().feldNachbau(2, 3) = 0;
    EXPECT_EQ(folge(Qt::LeftButton, 4), (std::vector<int>{2, 3, 0, 2}));

    // Regression: the second press of a quick double click was lost.
    f->spiel().feldNachbau(2, 3) = 0;
    QTest::mouseDClick(f->windowHandle(), Qt::LeftButton, {}, imFenster(f->picNachbau, punkt(f->picNachbau, 2.5, 3.5)));
    EXPECT_EQ(f->spiel().feldNachbau(2, 3), 3);

    f->vscRollo->setValue(1);
    const Feld vorher = f->spiel().feldVorgabe;
    feldKlicken(f->picVorgabe, 4.5, 4.5);
    EXPECT_EQ(f->spiel().feldVorgabe, vorher);
}

TEST_F(FensterTest, AllowedObjectBoxesStayTiedWhetherClickedOrSetByTheProgram)
{
    starten();
    auto an = [&](int i) { return f->chkErlaubnis[static_cast<std::size_t>(i)]->isChecked(); };
    klicken(f->chkErlaubnis[5]);
    EXPECT_FALSE(an(5));
    EXPECT_FALSE(an(4));
    klicken(f->chkErlaubnis[5]);
    EXPECT_TRUE(an(4));
    f->chkErlaubnis[6]->setChecked(false);
    EXPECT_FALSE(an(7) || an(8) || an(9));
    f->chkErlaubnis[6]->setChecked(true);
    EXPECT_TRUE(an(7) && an(8) && an(9));
    // The trapdoor needs the cat's eye it turns into.
    klicken(f->chkErlaubnis[1]);
    EXPECT_TRUE(an(1));
    klicken(f->chkErlaubnis[11]);
    EXPECT_FALSE(an(11));
    EXPECT_TRUE(an(1));
    klicken(f->chkErlaubnis[1]);
    EXPECT_FALSE(an(1));
    f->chkErlaubnis[11]->setChecked(true);
    EXPECT_TRUE(an(1));
}

TEST_F(FensterTest, CopyClearAndReopenThroughTheButtons)
{
    starten();
    f->txtAnzahl->setText(QStringLiteral("9"));
    f->optMaxGenau[1]->setChecked(true);
    klicken(f->cmdTarnkiste);
    const Feld erzeugt = f->spiel().feldVorgabe;
    int objekte = 0;
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            objekte += erzeugt(x, y) != Leer;
    EXPECT_EQ(objekte, 9);
    EXPECT_EQ(f->spiel().feldVorgabeKopie, erzeugt);

    klicken(f->cmdUebernehmen[0]);
    EXPECT_EQ(f->spiel().feldNachbau, Feld{}) << "locked until the safety box is ticked";
    klicken(f->Check1);
    EXPECT_TRUE(f->cmdUebernehmen[0]->isEnabled() && f->cmdUebernehmen[1]->isEnabled());
    klicken(f->cmdUebernehmen[0]);
    EXPECT_EQ(f->spiel().feldNachbau, erzeugt);
    f->vscRollo->setValue(1);

    klicken(f->cmdDelVor);
    EXPECT_EQ(f->spiel().feldVorgabe, Feld{});
    EXPECT_EQ(f->spiel().feldVorgabeKopie, Feld{}) << "the cleared box is the box as given";
    klicken(f->cmdUebernehmen[1]);
    EXPECT_EQ(f->spiel().feldVorgabe, erzeugt);
    f->spiel().feldVorgabe(0, 0) = SchwarzesLoch;
    klicken(f->cmdWiederherstellen);
    EXPECT_EQ(f->spiel().feldVorgabe, erzeugt);
    klicken(f->cmdDelN);
    EXPECT_EQ(f->spiel().feldNachbau, Feld{});
    klicken(f->Check1);
    EXPECT_FALSE(f->cmdUebernehmen[0]->isEnabled() || f->cmdUebernehmen[1]->isEnabled());
}

// After opening a file, "wiederherstellen" brought back the last generated
// box, and the loaded puzzle was gone.
TEST_F(FensterTest, ReopenAfterOpeningAFileBringsBackTheLoadedBox)
{
    QTemporaryDir ordner;
    starten();
    klicken(f->cmdTarnkiste);
    Feld geladen;
    geladen(3, 3) = Falltuer;
    const QString datei = ordner.filePath(QStringLiteral("falltuer.tkx"));
    ASSERT_TRUE(feldSpeichern(geladen, datei.toStdString()));
    u.dialoge->antworten.push_back(datei);
    f->cmdoeffnen->trigger();
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    klicken(f->Command5);  // up column d through the trapdoor, which closes
    ASSERT_EQ(f->spiel().feldVorgabe(3, 3), Katzenauge);
    klicken(f->cmdWiederherstellen);
    EXPECT_EQ(f->spiel().feldVorgabe, geladen);
}

TEST_F(FensterTest, SaveAndOpenGoThroughTheDialogWithTheNameRules)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    starten();
    f->spiel().feldNachbau(7, 7) = Falltuer;
    f->spiel().feldNachbau(0, 0) = SchwarzesLoch;

    u.dialoge->antworten.push_back(ordner.filePath(QStringLiteral("feld")));
    f->cmdSpeichern->trigger();
    EXPECT_EQ(u.dialoge->ordner.back(), QDir::currentPath());
    EXPECT_EQ(u.dialoge->vorgaben.back(), QString());
    QFile datei(ordner.filePath(QStringLiteral("feld.tkx")));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.size(), 322);
    datei.close();

    // Opening: the name box shows the pattern; a wrong ending or a cancel loads nothing.
    u.dialoge->antworten.push_back(ordner.filePath(QStringLiteral("feld.TKX")));
    f->cmdoeffnen->trigger();
    EXPECT_EQ(u.dialoge->vorgaben.back(), QStringLiteral("*tkx"));
    EXPECT_EQ(f->spiel().feldVorgabe, Feld{});
    f->cmdoeffnen->trigger();
    EXPECT_EQ(f->spiel().feldVorgabe, Feld{});
    u.dialoge->antworten.push_back(ordner.filePath(QStringLiteral("feld.tkx")));
    f->cmdoeffnen->trigger();
    EXPECT_EQ(f->spiel().feldVorgabe, f->spiel().feldNachbau);
    EXPECT_EQ(f->picVorgabe->farbeBei(7.25, 7.25), QColor(200, 200, 0)) << "loaded cells are drawn";
    // The save dialog then shows the path last chosen.
    f->cmdSpeichern->trigger();
    EXPECT_EQ(u.dialoge->vorgaben.back(), ordner.filePath(QStringLiteral("feld.tkx")));
    EXPECT_TRUE(u.dialoge->meldungen.empty());
}

TEST_F(FensterTest, FailedSaveTellsThePlayerAndKeepsTheOldFile)
{
    QTemporaryDir ordner;
    starten();
    u.dialoge->antworten.push_back(ordner.filePath(QStringLiteral("fehlt/feld.tkx")));
    f->cmdSpeichern->trigger();
    ASSERT_EQ(u.dialoge->meldungen.size(), 1u);
    EXPECT_EQ(u.dialoge->meldungen[0].titel, Form1::titel());
    EXPECT_TRUE(u.dialoge->meldungen[0].text.contains(QStringLiteral("nicht gespeichert")));
    EXPECT_TRUE(u.dialoge->meldungen[0].symbol);
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("fehlt/feld.tkx"))));
}

#if defined(__linux__)
// A named pipe that another program holds open for writing hung the window
// at its first read. Should the open wait, a helper feeds the pipe a whole
// field after 5 s, so that the test fails instead of hanging.
TEST_F(FensterTest, OpeningANamedPipeWithAWriterReturnsAndLoadsNothing)
{
    QTemporaryDir ordner;
    starten();
    klicken(f->cmdTarnkiste);
    feldKlicken(f->picVorgabe, 3.5, 8.5);
    klicken(f->Command5);
    const std::string pfad = ordner.filePath(QStringLiteral("rohr.tkx")).toStdString();
    ASSERT_EQ(::mkfifo(pfad.c_str(), 0600), 0);
    const int schreiber = ::open(pfad.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(schreiber, 0);
    const Spielstand vorher = f->spiel();
    ASSERT_EQ(vorher.gestarteteSonden, 1);

    std::promise<void> fertig;
    std::atomic<bool> gewartet{false};
    std::thread helfer([&gewartet, schreiber, ende = fertig.get_future()] {
        if (ende.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
            return;
        gewartet = true;
        std::string feld;
        for (int i = 0; i < 64; ++i)
            feld += "1\r\n";
        [[maybe_unused]] const auto geschrieben = ::write(schreiber, feld.data(), feld.size());
    });
    u.dialoge->antworten.push_back(QString::fromStdString(pfad));
    f->cmdoeffnen->trigger();
    fertig.set_value();
    helfer.join();
    ::close(schreiber);

    EXPECT_FALSE(gewartet) << "the open waited for the pipe";
    EXPECT_EQ(f->spiel().feldVorgabe, vorher.feldVorgabe);
    EXPECT_EQ(f->spiel().feldVorgabeKopie, vorher.feldVorgabeKopie);
    EXPECT_EQ(f->spiel().gestarteteSonden, 1);
}
#endif
