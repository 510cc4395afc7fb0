// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
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

// The same date each time: from the second call on the month's lunar phases come from the
// store of months already computed (TEreignissListe::FuelleMonat), which the date changes of the
// window often meet, but a comparison with a library that computes them each time does not.
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

// The dates that scripts/bench-peers gives PyEphem and Astronomy Engine, with the time basis
// that follows the zone rule (kzbStandard), so that local midnight is the one the peers are
// given: the 15th of the months 1900 ... 2099, month number = call number * 997 mod 2400. 997 is
// prime to 2400, so the 2400 months come once each before the sequence repeats, and successive
// dates lie far apart in the two centuries. The store of months keeps 16 by month number
// modulo 16; successive month numbers differ by 997 = 5 mod 16, so a slot comes round every 16
// calls, then with a month 1552 months away: every call computes its month's phases.
void BM_BerechnenVergleichsfolge(benchmark::State& state)
{
    MitteleuropaeischeZone();
    TSonneMondAufUnter s(kzbStandard);
    int n = 0;
    for (auto _ : state) {
        const int monat = n * 997 % 2400;
        s.Berechnen(MJDAusDatum(15, monat % 12 + 1, 1900 + monat / 12, 0));
        benchmark::DoNotOptimize(s.MondPhase().data());
        n = n == 2399 ? 0 : n + 1;
    }
}
BENCHMARK(BM_BerechnenVergleichsfolge)->Unit(benchmark::kMicrosecond);

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
