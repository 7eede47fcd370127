// Timing of the comparison of both fields over all 32 start places, on plain fields and on the slowest ones
// known, and of the launch record's replay on the model after an edit.
#include <benchmark/benchmark.h>

#include "model/beobachtungen.h"
#include "model/pruefen.h"
#include "bench/beobachtungsreihe.h"
#include "tests/model/felder.h"

namespace {

// Each field is compared with itself: both sides then take their longest.
void pruefenMessen(benchmark::State& state, const Feld& feld)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(pruefen(feld, feld));
}

const Feld leer{};

// A game's field: a handful of objects of every kind.
const Feld schlicht = feldAus({"K.....@.", "..T.....", "....-...", ".|......",
                               "......6.", "7.......", "...8..9.", "/......\\"});

const Feld vollerFalltueren = feldAus({"TTTTTTTT", "TTTTTTTT", "TTTTTTTT", "TTTTTTTT",
                                       "TTTTTTTT", "TTTTTTTT", "TTTTTTTT", "TTTTTTTT"});

const Feld drehspiegelUndFalltueren = feldAus({"T-T-T-T-", "-T-T-T-T", "T-T-T-T-", "-T-T-T-T",
                                               "T-T-T-T-", "-T-T-T-T", "T-T-T-T-", "-T-T-T-T"});

// Found by searching for long runs. The runs from 28 start places end in one
// cycle of 1628 steps after transients of up to 9750 steps; run each on its
// own up to its first repeated state, the 32 runs make 293083 steps.
const Feld laengsterKreis = feldAus({"9||7.778", "-/.9|||7", "--.9|.\\7", "--9-7|8-",
                                     "\\-96\\/TT", "/-|8--\\7", "668/.668", "/8|668|8"});

// Found by searching for long cycles: from Rechts 3 the probe runs into a
// cycle of 5176 steps after 1293 steps; the other runs leave the box.
const Feld laengsterZyklus = feldAus({"K.7\\/.\\.", "|9-9|||\\", "9-8/.|\\7", "../|7./8",
                                      "\\-96\\8T.", "/||8|-\\7", "\\6/.9.6/", "..||6/.."});

// Found by searching for the most steps the comparison has to make itself,
// with runs that seldom meet a state an earlier one went through.
const Feld seltenGeteilt = feldAus({"9|T97|7K", "T9..7T68", ".9--||6\\", "9.88--T-",
                                    "9..6.7T-", ".-|-|/8-", "\\|-..|T-", ".688.K|8"});

// Found by searching for long runs that leave the box: 7794 steps from Links 4.
const Feld langerAusgang = feldAus({"-.697.77", "-79|||97", "|.-\\.78T", "-9/.||7-",
                                    "-\\869|.-", "-.-89.8.", "67|||87.", "/6686..8"});

// Grown from laengsterKreis: every run leaves the box, the longest after
// 13622 steps; of the 267283 steps of the 32 runs, 46971 go where no earlier
// run has been.
const Feld laengsterAusgang = feldAus({"9||7|77.", "-9|9|||7", "--89|-\\7", "--9-7|8-",
                                       "--96\\/TT", "/-|8--\\7", "\\6/-9.6/", "889.\\8\\8"});

// The replay of the whole record against a model that differs from the box in one cell.
void nachspielenMessen(benchmark::State& state, const Feld& kiste)
{
    const std::vector<Beobachtung> zeilen = beobachtungsreihe(kiste);
    Feld nachbau = kiste;
    nachbau(4, 4) = Katzenauge;
    for (auto _ : state)
        benchmark::DoNotOptimize(nachspielen(zeilen, nachbau));
}

// The reference beside it: what the record cost before, one run of the check
// for each of the 32 start places.
void startplaetzeMessen(benchmark::State& state, const Feld& kiste)
{
    Feld nachbau = kiste;
    nachbau(4, 4) = Katzenauge;
    for (auto _ : state)
        for (const Sonde& p : startplaetze())
            benchmark::DoNotOptimize(verborgenerLauf(nachbau, p));
}

} // namespace

BENCHMARK_CAPTURE(nachspielenMessen, schlicht, schlicht)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(startplaetzeMessen, schlicht, schlicht)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(nachspielenMessen, drehspiegelUndFalltueren, drehspiegelUndFalltueren)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(startplaetzeMessen, drehspiegelUndFalltueren, drehspiegelUndFalltueren)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(nachspielenMessen, laengsterAusgang, laengsterAusgang)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(startplaetzeMessen, laengsterAusgang, laengsterAusgang)->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(pruefenMessen, leer, leer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pruefenMessen, schlicht, schlicht)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pruefenMessen, vollerFalltueren, vollerFalltueren)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pruefenMessen, drehspiegelUndFalltueren, drehspiegelUndFalltueren)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pruefenMessen, laengsterKreis, laengsterKreis)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pruefenMessen, laengsterZyklus, laengsterZyklus)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pruefenMessen, seltenGeteilt, seltenGeteilt)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pruefenMessen, langerAusgang, langerAusgang)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pruefenMessen, laengsterAusgang, laengsterAusgang)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
