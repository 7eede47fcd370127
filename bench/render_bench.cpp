// Timing of the heaviest redraws a player can cause: a field full of black holes, clearing the trail over it,
// the launch record's window shown anew after an edit, and the whole window painted again.
#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <benchmark/benchmark.h>

#include "bench/beobachtungsreihe.h"
#include "render/brett.h"
#include "render/geometrie.h"
#include "render/glyphen.h"
#include "render/spur.h"
#include "tests/model/felder.h"
#include "ui/beobachtungsfenster.h"
#include "ui/form1.h"
#include "ui/kunstwerk.h"
#include "ui/legende.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/rasterflaeche.h"

namespace {

constexpr int feldPixel = 440;

// A Nachbau picture at design size with its board, at the ratio of the
// benchmark's argument.
void vorbereiten(Rasterflaeche& box, const benchmark::State& state)
{
    box.masseSetzen(QSize(feldPixel, feldPixel), static_cast<qreal>(state.range(0)));
    box.hintergrundSetzen(hintergrundFarbe(Seite::Nachbau));
    box.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    spielfeldZeichnen(box, Seite::Nachbau);
}

void alleZellenSchwarzeLoecher(benchmark::State& state)
{
    Rasterflaeche box;
    vorbereiten(box, state);
    for (auto _ : state) {
        for (int x = 0; x < feldGroesse; ++x)
            for (int y = 0; y < feldGroesse; ++y)
                zelleZeichnen(box, Seite::Nachbau, SchwarzesLoch, x, y);
        benchmark::DoNotOptimize(box.bild().constBits());
    }
}

void spurLoeschenVollerLoecher(benchmark::State& state)
{
    Rasterflaeche box;
    vorbereiten(box, state);
    Feld feld;
    for (auto& spalte : feld.zellen)
        spalte.fill(SchwarzesLoch);
    for (auto _ : state) {
        spurLoeschen(box, feld);
        benchmark::DoNotOptimize(box.bild().constBits());
    }
}

// The same on a shown widget, which has every change put on screen.
void spurLoeschenImFenster(benchmark::State& state)
{
    QtZeichenflaeche box;
    box.ortSetzen(QRect(0, 0, feldPixel, feldPixel));
    box.geraetePixelVerhaeltnisSetzen(static_cast<qreal>(state.range(0)));
    box.show();
    box.hintergrundSetzen(hintergrundFarbe(Seite::Nachbau));
    box.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    spielfeldZeichnen(box, Seite::Nachbau);
    Feld feld;
    for (auto& spalte : feld.zellen)
        spalte.fill(SchwarzesLoch);
    for (auto _ : state) {
        spurLoeschen(box, feld);
        QCoreApplication::processEvents();
    }
}

// The reference beside them: the board alone, redrawn.
void brett(benchmark::State& state)
{
    Rasterflaeche box;
    vorbereiten(box, state);
    for (auto _ : state) {
        spielfeldZeichnen(box, Seite::Nachbau);
        benchmark::DoNotOptimize(box.bild().constBits());
    }
}

// An edit with the record's window open: 200 rows replayed, the table and
// summary shown anew and painted.
void beobachtungenNachEinerAenderung(benchmark::State& state)
{
    const Feld kiste = feldAus({"K.....@.", "..T.....", "....-...", ".|......",
                                "......6.", "7.......", "...8..9.", "/......\\"});
    const std::vector<Beobachtung> zeilen = beobachtungsreihe(kiste);
    Beobachtungsfenster fenster;
    fenster.show();
    QCoreApplication::processEvents();
    Feld nachbau = kiste;
    for (auto _ : state) {
        nachbau(4, 4) = nachbau(4, 4) == Leer ? Katzenauge : Leer;
        fenster.zeigen(zeilen, nachbau);
        fenster.repaint();
    }
}

// The reference beside it: the same window repainted, nothing shown anew.
void beobachtungenNurGemalt(benchmark::State& state)
{
    Beobachtungsfenster fenster;
    fenster.zeigen(beobachtungsreihe(Feld{}), Feld{});
    fenster.show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        fenster.repaint();
}

// The whole game window past its start screen painted again, as when it is
// uncovered, with the style's painted copies kept (Qt's default) and with
// none kept, as the program runs.
void ganzesFenster(benchmark::State& state)
{
    const int vorher = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(state.range(0) ? vorher : 0);
    {
        Form1 fenster;
        fenster.show();
        fenster.cmdStart_Click();
        QCoreApplication::processEvents();
        for (auto _ : state)
            fenster.repaint();
    }
    QPixmapCache::clear();
    QPixmapCache::setCacheLimit(vorher);
}

// The legend's black hole painted as the window would at its first paint if
// the build had not painted it; the cat's eye's picture beside it.
void legendenBildGemalt(benchmark::State& state, int bild)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(legendenBildMalen(bild, static_cast<qreal>(state.range(0))));
}

// The start screen's cover painted, as the first paint shows it.
void startbildGemalt(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(startBildMalen(static_cast<qreal>(state.range(0))));
}

// The cover handed to the screen and drawn stretched into its place, opaque
// as the program keeps it, and with an alpha channel beside it.
void startbildGezeigt(benchmark::State& state)
{
    QImage bild = startBildMalen();
    if (!state.range(0))
        bild.convertTo(QImage::Format_ARGB32_Premultiplied);
    QImage ziel(QSize(345, 337), QImage::Format_RGB32);
    for (auto _ : state) {
        const QPixmap p = QPixmap::fromImage(bild);
        QPainter maler(&ziel);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        maler.drawPixmap(ziel.rect(), p);
        maler.end();
        benchmark::DoNotOptimize(ziel.constBits());
    }
}

// The launch record's window made, as its first opening does.
void beobachtungsfensterGebaut(benchmark::State& state)
{
    for (auto _ : state) {
        Beobachtungsfenster fenster;
        benchmark::DoNotOptimize(&fenster);
    }
}

} // namespace

BENCHMARK(startbildGemalt)->ArgName("verhaeltnis")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(startbildGezeigt)->ArgName("deckend")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(beobachtungsfensterGebaut)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(legendenBildGemalt, schwarzesLoch, legendeSchwarzesLoch)->ArgName("verhaeltnis")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(legendenBildGemalt, katzenauge, 0)->ArgName("verhaeltnis")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(beobachtungenNachEinerAenderung)->Unit(benchmark::kMillisecond);
BENCHMARK(beobachtungenNurGemalt)->Unit(benchmark::kMillisecond);
BENCHMARK(ganzesFenster)->ArgName("vorrat")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A frame is 16 ms: every redraw here has to stay well inside one.
BENCHMARK(brett)->ArgName("verhaeltnis")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(alleZellenSchwarzeLoecher)->ArgName("verhaeltnis")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(spurLoeschenImFenster)->ArgName("verhaeltnis")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(spurLoeschenVollerLoecher)->ArgName("verhaeltnis")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
