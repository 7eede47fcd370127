// Random clicking all over the window, much of it inside running handlers: no crash, no hang, a valid game.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/zahltext.h"
#include "render/geometrie.h"
#include "ui/festesbild.h"
#include "tests/ui/fenster.h"

namespace {

unsigned saatWaehlen()
{
    bool ok = false;
    const unsigned saat = qEnvironmentVariable("TARNKISTE_SEED").toUInt(&ok);
    return ok ? saat : std::random_device{}();
}

bool codesGueltig(const Feld& feld)
{
    for (const auto& spalte : feld.zellen)
        for (int code : spalte)
            if (!gueltigerCode(code))
                return false;
    return true;
}

// On the board or the border ring, standing or heading along one axis.
bool sondeGueltig(const Sonde& s)
{
    return s.x >= -1 && s.x <= 8 && s.y >= -1 && s.y <= 8 && std::abs(s.dx) + std::abs(s.dy) <= 1;
}

std::string beschreibung(const Sonde& s)
{
    return "(" + std::to_string(s.x) + "," + std::to_string(s.y) + " heading " + std::to_string(s.dx) + "," +
           std::to_string(s.dy) + ")";
}

QtMessageHandler vorigeAusgabe = nullptr;

void leiseAusgabe(QtMsgType art, const QMessageLogContext& ort, const QString& text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")) && vorigeAusgabe)
        vorigeAusgabe(art, ort, text);
}

// The caller's frame on the machine stack (not a sanitizer's fake stack); it grows downwards.
[[gnu::noinline]] std::uintptr_t stapelOrt()
{
    return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
}

} // namespace

class ZufallsklickTest : public FensterTest {
protected:
    // Mouse events (and menu commands) in all, and the share of waits that
    // post one more into the running handler's next event pump.
    static constexpr int budget = 5000;
    static constexpr int prozentJeWarten = 25;
    // Nested handlers past this much stack only get stop clicks until they
    // unwind. A run takes some hundred waits and the whole test about ten
    // thousand; past these brakes the test gives up instead of hanging.
    static constexpr std::uintptr_t stapelGrenze = 1u << 20;
    static constexpr long long notbremse = 1'000'000;
    static constexpr long long notbremseNachBudget = 50'000;

    std::mt19937 motor;
    QTemporaryDir ordner;
    std::vector<QWidget*> steuerelemente;  // every control of the client area
    std::vector<QWidget*> ziele;           // the busy ones, some twice for weight
    int startBei = 0;
    int gesendet = 0;
    int imHandler = 0;  // of them, handled in a running handler's event pump
    int popups = 0;
    long long aufrufBeiBudgetEnde = -1;
    std::uintptr_t stapelBasis = 0;
    std::uintptr_t tiefsterStapel = 0;
    QPoint letzterDruck{10, 10};
    QPoint freierOrt;  // bare window surface, for releasing without a click
    Qt::MouseButtons gedrueckt;
    bool verletzungGemeldet = false;

    int wuerfeln(int n) { return std::uniform_int_distribution<int>(0, n - 1)(motor); }

    QPoint ortIn(QWidget* w)
    {
        return w->mapTo(f.get(), QPoint(wuerfeln(std::max(1, w->width())), wuerfeln(std::max(1, w->height()))));
    }

    // A point of the client area in window coordinates: half of them anywhere,
    // half inside some control.
    QPoint zufallsOrt()
    {
        QWidget* k = steuerelemente[static_cast<std::size_t>(wuerfeln(static_cast<int>(steuerelemente.size())))];
        return ortIn(wuerfeln(2) == 0 && k->isVisible() ? k : f->flaeche);
    }

    Qt::MouseButton zufallsKnopf()
    {
        const int r = wuerfeln(4);
        return r < 2 ? Qt::LeftButton : r == 2 ? Qt::RightButton : Qt::MiddleButton;
    }

    // Queues the next file dialog's answer: cancel, a path that cannot be
    // written or read, a name opening refuses, a broken file, a good file.
    void antwortEinreihen()
    {
        const int r = wuerfeln(5);
        if (r == 0) {
            u.dialoge->antworten.emplace_back();
            return;
        }
        const char* pfade[] = {"", "/gibt/es/nicht/feld.tkx", "notiz.txt", "kaputt.tkx", "feld.tkx"};
        u.dialoge->antworten.emplace_back(r == 1 ? QString::fromLatin1(pfade[1])
                                                 : ordner.filePath(QString::fromLatin1(pfade[r])));
    }

    void druecken(Qt::MouseButton k, QPoint p)
    {
        ++gesendet;
        letzterDruck = p;
        gedrueckt |= k;
        QTest::mousePress(f->windowHandle(), k, {}, p);
    }
    void loslassen(Qt::MouseButton k, QPoint p)
    {
        ++gesendet;
        gedrueckt &= ~Qt::MouseButtons(k);
        QTest::mouseRelease(f->windowHandle(), k, {}, p);
    }

    // Releases what is still held, on bare window surface.
    void alleLoslassen()
    {
        for (Qt::MouseButton k : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (gedrueckt & k)
                loslassen(k, imFenster(f->flaeche, freierOrt));
    }

    // One random input (a click is two events), sent at once: handlers it
    // starts run to their end, handling what they find posted on the way.
    void ereignisSenden()
    {
        if (gesendet >= startBei && f->cmdStart->isVisible()) {
            // A button still held would keep the press with the control it went down on.
            alleLoslassen();
            const QPoint p = imFenster(f->cmdStart, f->cmdStart->rect().center());
            druecken(Qt::LeftButton, p);
            loslassen(Qt::LeftButton, p);
            return;
        }
        const int art = wuerfeln(100);
        if (art < 35) {
            ++gesendet;
            QTest::mouseMove(f->windowHandle(), zufallsOrt());
        } else if (art < 55) {
            druecken(zufallsKnopf(), zufallsOrt());
        } else if (art < 75) {
            // Mostly a held button, mostly where it went down: a click or a drag.
            Qt::MouseButton k = zufallsKnopf();
            if (gedrueckt && wuerfeln(4) != 0)
                k = gedrueckt & Qt::LeftButton ? Qt::LeftButton
                    : gedrueckt & Qt::RightButton ? Qt::RightButton : Qt::MiddleButton;
            loslassen(k, wuerfeln(10) < 7 ? letzterDruck : zufallsOrt());
        } else if (art < 97) {
            // A whole click on a field or on a control that starts a run,
            // moves the blind or rewrites a field: what keeps handlers busy.
            QWidget* ziel = ziele[static_cast<std::size_t>(wuerfeln(static_cast<int>(ziele.size())))];
            const bool feld = ziel == f->picVorgabe || ziel == f->picNachbau;
            const Qt::MouseButton k = feld ? zufallsKnopf() : Qt::LeftButton;
            const QPoint p = ortIn(ziel);
            druecken(k, p);
            loslassen(k, p);
        } else {
            // The menus lie outside the client area: their commands are triggered directly.
            ++gesendet;
            if (u.dialoge->antworten.empty())
                antwortEinreihen();
            // Pasting takes what the last copy left on the clipboard: a box,
            // before any copy perhaps nothing.
            QAction* befehle[] = {f->cmdSpeichern, f->cmdoeffnen, f->cmdTextKopieren, f->cmdTextEinfuegen,
                                  f->cmdInfo, f->cmdProgrammEnde};
            befehle[wuerfeln(static_cast<int>(std::size(befehle)))]->trigger();
        }
    }

    // Whether a marker shows its probe's place; the model probe's marker
    // waits in its corner until the probe is first placed.
    bool markerPasst(Seite seite) const
    {
        const Sonde& s = seite == Seite::Vorgabe ? f->spiel().sondeVorgabe : f->spiel().sondeNachbau;
        const QPointF ort = f->markerOrt(seite);
        auto bei = [&](Markerlage l) { return std::abs(ort.x() - l.links) < 1e-6 && std::abs(ort.y() - l.oben) < 1e-6; };
        return bei(markerLage(s.x, s.y)) ||
               (seite == Seite::Nachbau && s == Sonde{-1, 7, 0, 0} && bei(markerParkplatzNachbau));
    }

    // Cells and probes always; the markers only between handlers, since a
    // step moves its marker in twelfths while the probe is still in its cell.
    void pruefen(const char* wann, bool mitMarkern)
    {
        if (verletzungGemeldet)
            return;
        const Spielstand& s = f->spiel();
        const bool gut = codesGueltig(s.feldVorgabe) && codesGueltig(s.feldNachbau) &&
                         codesGueltig(s.feldVorgabeKopie) && sondeGueltig(s.sondeVorgabe) &&
                         sondeGueltig(s.sondeNachbau) &&
                         (!mitMarkern || (markerPasst(Seite::Vorgabe) && markerPasst(Seite::Nachbau)));
        if (!gut) {
            verletzungGemeldet = true;
            ADD_FAILURE() << "invalid game state " << wann << " after " << gesendet << " events, wait "
                          << u.zeit->aufrufe << ": hidden probe " << beschreibung(s.sondeVorgabe)
                          << ", model probe " << beschreibung(s.sondeNachbau) << ", markers at ("
                          << f->markerOrt(Seite::Vorgabe).x() << "," << f->markerOrt(Seite::Vorgabe).y() << ") and ("
                          << f->markerOrt(Seite::Nachbau).x() << "," << f->markerOrt(Seite::Nachbau).y() << ")";
        }
    }

    // Runs on every wait inside a handler: maybe posts one more event for the
    // handler's next pump; once the budget is spent, posts stop clicks so that
    // every run ends.
    void beimWarten(long long aufruf)
    {
        pruefen("during a handler", false);
        if (gesendet >= budget && aufrufBeiBudgetEnde < 0)
            aufrufBeiBudgetEnde = aufruf;
        if (aufruf > notbremse || (aufrufBeiBudgetEnde >= 0 && aufruf - aufrufBeiBudgetEnde > notbremseNachBudget)) {
            std::fprintf(stderr, "zufallsklick: handlers still running after %lld waits; giving up\n", aufruf);
            std::abort();
        }
        const std::uintptr_t tiefe = stapelBasis - stapelOrt();
        tiefsterStapel = std::max(tiefsterStapel, tiefe);
        if (gesendet >= budget || tiefe > stapelGrenze) {
            QMetaObject::invokeMethod(f.get(), [this] { f->Picture3_Click(); }, Qt::QueuedConnection);
            return;
        }
        if (wuerfeln(100) >= prozentJeWarten)
            return;
        QMetaObject::invokeMethod(
            f.get(),
            [this] {
                if (gesendet < budget) {
                    ++imHandler;
                    ereignisSenden();
                }
            },
            Qt::QueuedConnection);
    }
};

TEST_F(ZufallsklickTest, ThousandsOfClicksAlsoDuringRunsLeaveAValidRespondingGame)
{
    const unsigned saat = saatWaehlen();
    std::cout << "[ seed     ] " << saat << " (TARNKISTE_SEED)\n";
    SCOPED_TRACE("seed " + std::to_string(saat) + " (set TARNKISTE_SEED to repeat)");
    motor.seed(saat);
    const auto beginn = std::chrono::steady_clock::now();

    ASSERT_TRUE(ordner.isValid());
    {
        QFile kaputt(ordner.filePath(QStringLiteral("kaputt.tkx")));
        ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
        kaputt.write(" 5 \r\n 11 \r\nx\r\n");
    }
    for (QWidget* w : f->flaeche->findChildren<QWidget*>())
        steuerelemente.push_back(w);
    ziele = {f->Command5, f->Command5, f->Command5, f->cmdSchritt, f->cmdSchritt, f->cmdZehn, f->cmdZehn,
             f->cmdJalousieRauf, f->cmdJalousieRunter, f->cmdTarnkiste, f->Picture3, f->Picture3,
             f->cmdUebernehmen[0], f->cmdUebernehmen[1], f->Check1, f->cmdWiederherstellen, f->cmdDelN,
             f->cmdDelVor, f->cmdSchrittePlus, f->picRandfreigabe[0], f->picRandfreigabe[1], f->picRandfreigabe[2],
             f->picVorgabe, f->picVorgabe, f->picVorgabe, f->picVorgabe, f->picNachbau, f->picNachbau, f->picNachbau,
             f->cmdStart};
    for (int y = 0; y < f->flaeche->height() && freierOrt.isNull(); y += 7)
        for (int x = 1; x < f->flaeche->width() && freierOrt.isNull(); x += 7)
            if (!f->flaeche->childAt(x, y + 1))
                freierOrt = {x, y + 1};
    ASSERT_FALSE(freierOrt.isNull());
    startBei = wuerfeln(budget / 4);
    // Context menus shown without a real screen complain about every raise and grab.
    vorigeAusgabe = qInstallMessageHandler(leiseAusgabe);

    // Context menus of text boxes and scroll bars run their own event loop; close them at once.
    QTimer popupSchliesser;
    QObject::connect(&popupSchliesser, &QTimer::timeout, [this] {
        if (QWidget* p = QApplication::activePopupWidget()) {
            ++popups;
            p->close();
        }
    });
    popupSchliesser.start(2);

    stapelBasis = stapelOrt();
    u.zeit->beiWarten = [this](long long aufruf) { beimWarten(aufruf); };
    while (gesendet < budget) {
        ereignisSenden();
        pruefen("between handlers", true);
    }
    // Lets the queued stop clicks run.
    alleLoslassen();
    QCoreApplication::processEvents();
    u.zeit->beiWarten = nullptr;
    popupSchliesser.stop();
    qInstallMessageHandler(vorigeAusgabe);

    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
    std::cout << "[ klicks   ] " << gesendet << " events, " << imHandler << " of them inside handlers, "
              << u.zeit->aufrufe << " waits, " << popups << " context menus closed, deepest nesting "
              << tiefsterStapel / 1024 << " KiB of stack, " << sekunden << " s\n";

    pruefen("at the end", true);
    const Spielstand& s = f->spiel();
    EXPECT_TRUE(codesGueltig(s.feldVorgabe));
    EXPECT_TRUE(codesGueltig(s.feldNachbau));
    EXPECT_TRUE(codesGueltig(s.feldVorgabeKopie));
    EXPECT_TRUE(sondeGueltig(s.sondeVorgabe)) << beschreibung(s.sondeVorgabe);
    EXPECT_TRUE(sondeGueltig(s.sondeNachbau)) << beschreibung(s.sondeNachbau);
    EXPECT_FALSE(f->cmdStart->isVisible()) << "the start click was sent";
    EXPECT_GT(imHandler, 0);

    // The window still answers: one step of the model probe, and a run of the
    // hidden probe from the bottom border that a stop click ends if it loops.
    const std::string zaehler = f->txtZaehler->text().toStdString();
    const long long vorher = u.zeit->aufrufe;
    klicken(f->cmdSchritt);
    EXPECT_EQ(u.zeit->aufrufe - vorher, 13);
    EXPECT_EQ(f->txtZaehler->text().toStdString(), zaehlerErhoehen(zaehler));

    feldKlicken(f->picVorgabe, 3.5, 8.5);
    EXPECT_EQ(f->spiel().sondeVorgabe, (Sonde{3, 8, 0, -1}));
    u.zeit->beiWarten = [this](long long) {
        QMetaObject::invokeMethod(f.get(), [this] { f->Picture3_Click(); }, Qt::QueuedConnection);
    };
    const long long vorDemLauf = u.zeit->aufrufe;
    klicken(f->Command5);
    u.zeit->beiWarten = nullptr;
    EXPECT_GE(u.zeit->aufrufe - vorDemLauf, 13) << "the run took at least one step";
    EXPECT_TRUE(sondeGueltig(f->spiel().sondeVorgabe)) << beschreibung(f->spiel().sondeVorgabe);
}
