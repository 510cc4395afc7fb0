// Costs of the astronomy that runs on every date change of the calendar controls.
#include <benchmark/benchmark.h>

#include "astronomy/ereignisliste.h"
#include "astronomy/genau.h"
#include "astronomy/jahreszeiten.h"
#include "astronomy/sonnemond.h"
#include "calendar/julian.h"
#include "calendar/zonenregel.h"

namespace {

using namespace lunoria;

// Central European time, so that no run depends on the machine's zone.
void MitteleuropaeischeZone()
{
    SetzeZonenregelQuelle([](int jahr) { return ZonenregelAusText("CET-1CEST,M3.5.0,M10.5.0/3", jahr); });
}

void BM_Berechnen(benchmark::State& state)
{
    MitteleuropaeischeZone();
    TSonneMondAufUnter s(kzbGerman);
    const Extended t = MJDAusDatum(23, 5, 1998, 0);
    for (auto _ : state) {
        s.Berechnen(t);
        benchmark::DoNotOptimize(s.MondPhase().data());
    }
}
BENCHMARK(BM_Berechnen)->Unit(benchmark::kMicrosecond);

void BM_Jahreszeiten(benchmark::State& state)
{
    for (auto _ : state) {
        const TJahreszeiten j = Jahreszeiten(1998);
        benchmark::DoNotOptimize(j);
    }
}
BENCHMARK(BM_Jahreszeiten)->Unit(benchmark::kMicrosecond);

void BM_FuelleMonat(benchmark::State& state)
{
    TEreignissListe liste;
    const Extended t = MJDAusDatum(15, 1, 2000, 0);
    for (auto _ : state) {
        liste.Clear();
        liste.FuelleMonat(t);
        benchmark::DoNotOptimize(liste.Count());
    }
}
BENCHMARK(BM_FuelleMonat)->Unit(benchmark::kMicrosecond);

void BM_MondBeleuchtung(benchmark::State& state)
{
    Extended t = 51564;
    for (auto _ : state) {
        const TMondBeleuchtung b = MondBeleuchtung(49.47L, -9.65L, t);
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(BM_MondBeleuchtung)->Unit(benchmark::kMicrosecond);

void BM_CaldatMJDAusDatum(benchmark::State& state)
{
    Extended mjd = 50956;
    for (auto _ : state) {
        int tag, monat, jahr;
        Extended stunden;
        Caldat(mjd, tag, monat, jahr, stunden);
        mjd = MJDAusDatum(tag, monat, jahr, stunden) + 1;
        benchmark::DoNotOptimize(mjd);
    }
}
BENCHMARK(BM_CaldatMJDAusDatum)->Unit(benchmark::kNanosecond);

}  // namespace
