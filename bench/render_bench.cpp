// Timing of the heaviest drawing: a field full of black holes on a design-size picture.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "render/brett.h"
#include "render/geometrie.h"
#include "render/glyphen.h"
#include "render/spur.h"
#include "ui/qtzeichenflaeche.h"

namespace {

constexpr int feldPixel = 440;

// A Nachbau picture at design size with its board, at the ratio of the
// benchmark's argument.
void vorbereiten(QtZeichenflaeche& box, const benchmark::State& state)
{
    box.resize(feldPixel, feldPixel);
    box.geraetePixelVerhaeltnisSetzen(static_cast<qreal>(state.range(0)));
    box.hintergrundSetzen(hintergrundFarbe(Seite::Nachbau));
    box.massstabSetzen(feldRandMin, feldRandMin, feldRandMax, feldRandMax);
    spielfeldZeichnen(box, Seite::Nachbau);
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

} // namespace

BENCHMARK(alleZellenSchwarzeLoecher)->ArgName("verhaeltnis")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
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
