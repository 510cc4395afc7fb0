// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Lunar phase series and the monthly event list, checked against the worked example and the
// phase instants of January 2000 and August 2001 as published (dynamical time).
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "astronomy/ereignisliste.h"
#include "astronomy/koeffizienten.h"
#include "astronomy/mondphase.h"
#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "umgebung.h"

namespace lunoria {
namespace {

TEST(Koeffizienten, PhaseSeriesAreTheBooksTables)
{
    const auto gleich = [](const TPhasenTerm& a, const TPhasenTerm& b) {
        return a.Koeffizient == b.Koeffizient && a.EPotenz == b.EPotenz && a.M == b.M && a.MStrich == b.MStrich &&
               a.F == b.F && a.Omega == b.Omega;
    };
    ASSERT_EQ(NeumondTerme.size(), 25u);
    ASSERT_EQ(VollmondTerme.size(), 25u);
    ASSERT_EQ(ViertelTerme.size(), 25u);
    // First and last terms as published: -0.40720 sin M', +0.17241 E sin M, +0.00002 sin 4M'.
    EXPECT_TRUE(gleich(NeumondTerme[0], {-0.40720L, 0, 0, 1, 0, 0}));
    EXPECT_TRUE(gleich(NeumondTerme[1], {0.17241L, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(gleich(NeumondTerme[6], {0.00208L, 2, 2, 0, 0, 0}));
    EXPECT_TRUE(gleich(NeumondTerme[24], {0.00002L, 0, 0, 4, 0, 0}));
    EXPECT_TRUE(gleich(VollmondTerme[0], {-0.40614L, 0, 0, 1, 0, 0}));
    EXPECT_TRUE(gleich(VollmondTerme[6], {0.00209L, 2, 2, 0, 0, 0}));
    // After the first seven, the full-moon terms repeat the new-moon terms.
    for (std::size_t i = 7; i < 25; ++i)
        EXPECT_TRUE(gleich(VollmondTerme[i], NeumondTerme[i])) << i;
    EXPECT_TRUE(gleich(ViertelTerme[0], {-0.62801L, 0, 0, 1, 0, 0}));
    EXPECT_TRUE(gleich(ViertelTerme[2], {-0.01183L, 1, 1, 1, 0, 0}));
    EXPECT_TRUE(gleich(ViertelTerme[24], {-0.00002L, 0, 1, 3, 0, 0}));
    // A term carries E once per multiple of M, or (the small ones) not at all.
    for (const auto* reihe : {&NeumondTerme, &VollmondTerme, &ViertelTerme})
        for (const TPhasenTerm& t : *reihe)
            EXPECT_TRUE(t.EPotenz == 0 || t.EPotenz == std::abs(t.M)) << static_cast<double>(t.Koeffizient);
}

TEST(Koeffizienten, SolarPerturbationSeriesOfTheLunarTheory)
{
    ASSERT_EQ(MondStoerTerme.size(), 104u);
    EXPECT_EQ(StoerGruppen[0] + StoerGruppen[1] + StoerGruppen[2], 104);
    EXPECT_EQ(StoerGruppen[0], 35);
    EXPECT_EQ(StoerGruppen[1], 46);
    EXPECT_EQ(StoerGruppen[2], 23);
    const struct {
        std::size_t zeile;
        TStoerTerm erwartet;
    } faelle[] = {
        {0, {0, 0, 0, 4, 13.902L, 14.06L, -0.001L, 0.2607L}},
        {1, {0, 0, 0, 3, 0.403L, -4.01L, 0.394L, 0.0023L}},
        {2, {0, 0, 0, 2, 2369.912L, 2373.36L, 0.601L, 28.2333L}},
        {3, {0, 0, 0, 1, -125.154L, -112.79L, -0.725L, -0.9781L}},
        {4, {1, 0, 0, 4, 1.979L, 6.98L, -0.445L, 0.0433L}},
        {103, {3, 0, 2, 0, -0.33L, -0.04L, 0, 0}},
    };
    for (const auto& f : faelle) {
        const TStoerTerm& z = MondStoerTerme[f.zeile];
        EXPECT_EQ(z.P, f.erwartet.P) << f.zeile;
        EXPECT_EQ(z.Q, f.erwartet.Q) << f.zeile;
        EXPECT_EQ(z.R, f.erwartet.R) << f.zeile;
        EXPECT_EQ(z.S, f.erwartet.S) << f.zeile;
        EXPECT_EQ(z.CLambda, f.erwartet.CLambda) << f.zeile;
        EXPECT_EQ(z.CS, f.erwartet.CS) << f.zeile;
        EXPECT_EQ(z.CGamma, f.erwartet.CGamma) << f.zeile;
        EXPECT_EQ(z.CPi, f.erwartet.CPi) << f.zeile;
    }
    // The multiples fit the phasor tables: |l| <= 4, |l'| <= 3, |F| <= 4, |D| <= 6.
    for (const TStoerTerm& z : MondStoerTerme) {
        EXPECT_LE(std::abs(z.P), 4);
        EXPECT_LE(std::abs(z.Q), 3);
        EXPECT_LE(std::abs(z.R), 4);
        EXPECT_LE(std::abs(z.S), 6);
    }
}

TEST(MondPhaseZeit, NewMoonOfJanuary2000)
{
    const TMondPhase p = MondPhaseZeit(0, 0, 0, 0, 0);
    EXPECT_EQ(p.Typ, mpNeumond);
    EXPECT_NEAR(static_cast<double>(p.MJD + 2400000.5L), 2451550.26, 0.005);
    EXPECT_NEAR(static_cast<double>(p.MJD), 51549.76, 0.005);
}

TEST(MondPhaseZeit, PhaseTypeFromTheSignedFraction)
{
    const struct {
        Extended k;
        int typ;
    } faelle[] = {
        {0, mpNeumond},
        {5, mpNeumond},
        {-1, mpNeumond},
        {0.25L, mpErstesViertel},
        {-0.75L, mpErstesViertel},
        {-12.75L, mpErstesViertel},
        {0.5L, mpVollmond},
        {-0.5L, mpVollmond},
        {7.5L, mpVollmond},
        {0.75L, mpLetztesViertel},
        {-0.25L, mpLetztesViertel},
        {-3.25L, mpLetztesViertel},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(MondPhaseZeit(f.k, 0, 0, 0, 0).Typ, f.typ) << static_cast<double>(f.k);
}

TEST(MondPhaseZeit, NoPhaseForAFractionThatNamesNone)
{
    for (Extended k : {0.1L, -0.3L, 2.6L, static_cast<Extended>(NAN), static_cast<Extended>(INFINITY)}) {
        const TMondPhase p = MondPhaseZeit(k, 0, 0, 0, 0);
        EXPECT_EQ(p.Typ, -1) << static_cast<double>(k);
        EXPECT_TRUE(std::isnan(p.MJD));
    }
}

TEST(MondPhaseZeit, CenturiesOfTheNeighbouringMonthMoveThePhaseByFarLessThanAMinute)
{
    for (Extended k : {-500.0L, -0.75L, 0.5L, 123.25L, 400.75L}) {
        const Extended t = k / 1236.85L;
        const Extended t2 = t + 30.0L / 36525;
        const TMondPhase a = MondPhaseZeit(k, t, t * t, t * t * t, t * t * t * t);
        const TMondPhase b = MondPhaseZeit(k, t2, t2 * t2, t2 * t2 * t2, t2 * t2 * t2 * t2);
        EXPECT_LT(std::fabs(static_cast<double>(a.MJD - b.MJD)) * 1440, 0.1) << static_cast<double>(k);
    }
}

TEST(MondPhaseZeit, FarDatesUseTheSameFormulas)
{
    // Around 1000 BC and AD 3000 the new moons still come a synodic month apart.
    for (Extended k : {-37000.0L, -15000.0L, 12400.0L}) {
        const Extended t = k / 1236.85L;
        const TMondPhase a = MondPhaseZeit(k, t, t * t, t * t * t, t * t * t * t);
        const TMondPhase b = MondPhaseZeit(k + 1, t, t * t, t * t * t, t * t * t * t);
        ASSERT_TRUE(std::isfinite(a.MJD));
        EXPECT_NEAR(static_cast<double>(b.MJD - a.MJD), 29.53, 0.3) << static_cast<double>(k);
    }
}

struct TEintragText {
    std::string name;
    std::string datum;
    std::string zeit;
};

std::vector<TEintragText> Monat(int monat, int jahr)
{
    TEreignissListe liste;
    liste.FuelleMonat(MJDAusDatum(15, monat, jahr, 0));
    std::vector<TEintragText> texte;
    for (std::size_t i = 0; i < liste.Count(); ++i) {
        const Extended t = liste.Objects(i).Zeitpunkt;
        texte.push_back({liste.Strings(i), MJDZuTextDatum(t), ZeitText(StundeVon(t))});
        EXPECT_EQ(liste.Strings(i), EreignisNamen[liste.Objects(i).Typ]);
    }
    return texte;
}

TEST(TEreignissListe, January2000)
{
    test::DeutschGuard deutsch;
    const std::vector<TEintragText> e = Monat(1, 2000);
    ASSERT_EQ(e.size(), 4u);
    const TEintragText erwartet[] = {
        {"Neumond", "06.01.2000", "18:15"},
        {"Erstes Viertel", "14.01.2000", "13:35"},
        {"Vollmond", "21.01.2000", "04:41"},
        {"Letztes Viertel", "28.01.2000", "07:58"},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(e[i].name, erwartet[i].name);
        EXPECT_EQ(e[i].datum, erwartet[i].datum);
        EXPECT_EQ(e[i].zeit, erwartet[i].zeit);
    }
}

TEST(TEreignissListe, August2001BeginsWithAFullMoon)
{
    test::DeutschGuard deutsch;
    const std::vector<TEintragText> e = Monat(8, 2001);
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].name, "Vollmond");
    EXPECT_EQ(e[0].datum, "04.08.2001");
    EXPECT_EQ(e[1].name, "Letztes Viertel");
    EXPECT_EQ(e[2].name, "Neumond");
    EXPECT_EQ(e[3].name, "Erstes Viertel");
}

TEST(TEreignissListe, AnEventLateOnTheLastDayBelongsToItsOwnMonth)
{
    // Phases at or after 23:00 on the last day of a month, found straight from the series:
    // each must be the last entry of its month and absent from the next month.
    int gefunden = 0;
    for (Extended k = -2000; k < 2000 && gefunden < 3; k += 0.25L) {
        const Extended t = k / 1236.85L;
        const TMondPhase p = MondPhaseZeit(k, t, t * t, t * t * t, t * t * t * t);
        int tag, monat, jahr;
        Extended stunden;
        ASSERT_TRUE(Caldat(p.MJD, tag, monat, jahr, stunden));
        if (tag != TageImMonat(monat, jahr) || stunden < 23)
            continue;
        ++gefunden;
        TEreignissListe diesen, naechsten;
        diesen.FuelleMonat(p.MJD);
        naechsten.FuelleMonat(p.MJD + 1);
        ASSERT_FALSE(diesen.Leer());
        const TEreignis& letzter = diesen.Objects(diesen.Count() - 1);
        EXPECT_EQ(letzter.Typ, p.Typ);
        EXPECT_NEAR(static_cast<double>(letzter.Zeitpunkt - p.MJD), 0, 0.01);
        for (std::size_t i = 0; i < naechsten.Count(); ++i)
            EXPECT_GT(naechsten.Objects(i).Zeitpunkt, p.MJD + 1);
    }
    EXPECT_EQ(gefunden, 3);
}

TEST(TEreignissListe, ClearEmptiesAndFillAppends)
{
    TEreignissListe liste;
    liste.Clear();
    EXPECT_EQ(liste.Count(), 0u);
    liste.FuelleMonat(MJDAusDatum(10, 1, 2000, 0));
    liste.FuelleMonat(MJDAusDatum(10, 1, 2000, 0));  // appends, does not clear
    EXPECT_EQ(liste.Count(), 8u);
    liste.Clear();
    EXPECT_EQ(liste.Count(), 0u);
    EXPECT_THROW(liste.Objects(0), std::out_of_range);
}

}  // namespace
}  // namespace lunoria
