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

// A date of another month each time (the 15th of the months of 1900 ... 2099 in turn), so that
// the month's lunar phases are computed afresh as well.
void BM_BerechnenNeuerMonat(benchmark::State& state)
{
    MitteleuropaeischeZone();
    TSonneMondAufUnter s(kzbGerman);
    int monat = 0;
    for (auto _ : state) {
        s.Berechnen(MJDAusDatum(15, monat % 12 + 1, 1900 + monat / 12, 0));
        benchmark::DoNotOptimize(s.MondPhase().data());
        monat = monat == 2399 ? 0 : monat + 1;
    }
}
BENCHMARK(BM_BerechnenNeuerMonat)->Unit(benchmark::kMicrosecond);

// Computed afresh each time, for the years 1900 ... 2099 in turn.
void BM_Jahreszeiten(benchmark::State& state)
{
    int jahr = 1900;
    for (auto _ : state) {
        const TJahreszeiten j = JahreszeitenBerechnen(jahr);
        benchmark::DoNotOptimize(j);
        jahr = jahr == 2099 ? 1900 : jahr + 1;
    }
}
BENCHMARK(BM_Jahreszeiten)->Unit(benchmark::kMicrosecond);

// A year asked for again, as on every date change within it.
void BM_JahreszeitenCache(benchmark::State& state)
{
    for (auto _ : state) {
        const TJahreszeiten j = Jahreszeiten(1998);
        benchmark::DoNotOptimize(j);
    }
}
BENCHMARK(BM_JahreszeitenCache)->Unit(benchmark::kNanosecond);

// The months of 1900 ... 2099 in turn, each computed afresh.
void BM_FuelleMonat(benchmark::State& state)
{
    TEreignissListe liste;
    int monat = 0;
    for (auto _ : state) {
        liste.Clear();
        liste.FuelleMonat(MJDAusDatum(15, monat % 12 + 1, 1900 + monat / 12, 0));
        benchmark::DoNotOptimize(liste.Count());
        monat = monat == 2399 ? 0 : monat + 1;
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
