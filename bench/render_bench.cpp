// Timing of the heaviest drawing: a field full of black holes on a design-size picture.
#include <cstdio>

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include "render/brett.h"
#include "render/geometrie.h"
#include "render/glyphen.h"
#include "render/spur.h"
#include "ui/qtzeichenflaeche.h"

namespace {

constexpr int feldPixel = 440;

// A Nachbau picture at design size with its board.
void vorbereiten(QtZeichenflaeche& box, qreal verhaeltnis)
{
    box.resize(feldPixel, feldPixel);
    box.geraetePixelVerhaeltnisSetzen(verhaeltnis);
    box.hintergrundSetzen(hintergrundFarbe(Seite::Nachbau));
    box.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    spielfeldZeichnen(box, Seite::Nachbau);
}

// At the ratio of the benchmark's argument; its second argument 0 draws
// every point as a dot of its own.
void vorbereiten(QtZeichenflaeche& box, const benchmark::State& state)
{
    box.punktmusterSetzen(state.range(1) != 0);
    vorbereiten(box, static_cast<qreal>(state.range(0)));
}

Feld vollerLoecher()
{
    Feld feld;
    for (int x = 0; x < feldGroesse; ++x)
        for (int y = 0; y < feldGroesse; ++y)
            feld(x, y) = SchwarzesLoch;
    return feld;
}

void alleZellenSchwarzeLoecher(benchmark::State& state)
{
    QtZeichenflaeche box;
    vorbereiten(box, state);
    for (auto _ : state) {
        for (int x = 0; x < feldGroesse; ++x)
            for (int y = 0; y < feldGroesse; ++y)
                zelleZeichnen(box, Seite::Nachbau, SchwarzesLoch, x, y);
        // Hands the picture over as a repaint would.
        benchmark::DoNotOptimize(box.bild().constBits());
    }
}

void spurLoeschenVollerLoecher(benchmark::State& state)
{
    QtZeichenflaeche box;
    vorbereiten(box, state);
    const Feld feld = vollerLoecher();
    for (auto _ : state) {
        spurLoeschen(box, feld);
        benchmark::DoNotOptimize(box.bild().constBits());
    }
}

// How many image pixels of a trail clear of a field full of black holes
// differ between drawing from kept patterns and drawing dot by dot.
long long abweichendePixel(qreal verhaeltnis)
{
    const Feld feld = vollerLoecher();
    QImage bilder[2];
    for (bool muster : {false, true}) {
        QtZeichenflaeche box;
        box.punktmusterSetzen(muster);
        vorbereiten(box, verhaeltnis);
        spurLoeschen(box, feld);
        bilder[muster] = box.bild();
    }
    if (bilder[0].size() != bilder[1].size())
        return -1;
    long long n = 0;
    for (int y = 0; y < bilder[0].height(); ++y)
        for (int x = 0; x < bilder[0].width(); ++x)
            n += bilder[0].pixel(x, y) != bilder[1].pixel(x, y);
    return n;
}

} // namespace

// The second argument 1 is the game's drawing, 0 the dot-by-dot drawing for comparison.
BENCHMARK(alleZellenSchwarzeLoecher)
    ->ArgNames({"verhaeltnis", "muster"})
    ->ArgsProduct({{1, 2}, {1, 0}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(spurLoeschenVollerLoecher)
    ->ArgNames({"verhaeltnis", "muster"})
    ->ArgsProduct({{1, 2}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    for (qreal verhaeltnis : {1.0, 2.0})
        std::printf("field full of black holes at ratio %g: %lld pixels differ between patterns and dot by dot "
                    "(target 0)\n",
                    verhaeltnis, abweichendePixel(verhaeltnis));
    std::fflush(stdout);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
