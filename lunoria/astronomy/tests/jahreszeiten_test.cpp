// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Season starts on the minute grid of the solar series.
#include <cmath>

#include <gtest/gtest.h>

#include "astronomy/jahreszeiten.h"
#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "astronomy/sonnemond.h"
#include "umgebung.h"

namespace lunoria {
namespace {

double D(Extended x)
{
    return static_cast<double>(x);
}

TEST(Jahreszeiten, Year2000InTheSeriesTimeScale)
{
    test::DeutschGuard deutsch;
    const TJahreszeiten j = Jahreszeiten(2000);
    const struct {
        double mjd;
        const char* datum;
        const char* zeit;
    } erwartet[] = {
        {51623.3132, "20.03.2000", "07:31"},
        {51716.0715, "21.06.2000", "01:43"},
        {51809.7243, "22.09.2000", "17:23"},
        {51899.5646, "21.12.2000", "13:33"},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(D(j[i]), erwartet[i].mjd, 0.00006) << i;
        EXPECT_EQ(MJDZuTextDatum(j[i]), erwartet[i].datum);
        EXPECT_EQ(ZeitText(StundeVon(j[i])), erwartet[i].zeit);
    }
}

TEST(Jahreszeiten, FirstWholeMinuteBeyondTheTarget)
{
    const int monate[] = {3, 6, 9, 12};
    const Extended ziele[] = {0, 90, 180, 270};
    for (int jahr : {1000, 1582, 1583, 1998, 2000, 2024, 4000}) {
        const TJahreszeiten j = Jahreszeiten(jahr);
        for (std::size_t i = 0; i < 4; ++i) {
            const Extended start = MJDAusDatum(17, monate[i], jahr, 0);
            const Extended minuten = (j[i] - start) * 1440;
            EXPECT_NEAR(D(minuten), std::round(D(minuten)), 1e-5) << jahr << " " << i;
            EXPECT_GT(JahreszeitenLaenge(j[i]), ziele[i]) << jahr << " " << i;
            EXPECT_LE(JahreszeitenLaenge(j[i] - 1.0L / 1440), ziele[i]) << jahr << " " << i;
        }
    }
}

// The search as it reads: whole days, then hours, then minutes, evaluating the longitude at
// every step.
TJahreszeiten SchrittweiseSuche(int jahr)
{
    const int monate[] = {3, 6, 9, 12};
    const Extended ziele[] = {0, 90, 180, 270};
    TJahreszeiten ergebnis{};
    for (std::size_t i = 0; i < 4; ++i) {
        const Extended g = ziele[i];
        Extended c = MJDAusDatum(17, monate[i], jahr, 0);
        for (int tage = 0; tage < 400 && JahreszeitenLaenge(c) > g; ++tage)
            c -= 1;
        while (JahreszeitenLaenge(c) < g) {
            c += 1;
            if (JahreszeitenLaenge(c) <= g)
                continue;
            c -= 1;
            while (JahreszeitenLaenge(c) < g) {
                c += 1.0L / 24;
                if (JahreszeitenLaenge(c) <= g)
                    continue;
                c -= 1.0L / 24;
                while (JahreszeitenLaenge(c) <= g)
                    c += 1.0L / 1440;
            }
        }
        ergebnis[i] = c;
    }
    return ergebnis;
}

TEST(Jahreszeiten, TheSameInstantsAsTheStepByStepSearch)
{
    // The supported years, where the longitude only grows, and far years where the series'
    // powers of T make it swing back and forth.
    for (int jahr : {-4712, -4709, -2000, 0,    600,  1000,  1580,  1582,   1583,    1900,    1998,
                     2000,  2024,  2100,  3500, 6000, 10000, 45678, 198433, 1000000, 3333333, 5879490}) {
        const TJahreszeiten schrittweise = SchrittweiseSuche(jahr);
        const TJahreszeiten neu = JahreszeitenBerechnen(jahr);
        const TJahreszeiten gespeichert = Jahreszeiten(jahr);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(neu[i], schrittweise[i]) << jahr << " " << i;
            EXPECT_EQ(gespeichert[i], schrittweise[i]) << jahr << " " << i;
        }
    }
}

TEST(Jahreszeiten, FarYearsWithoutACheck)
{
    for (int jahr : {-3000, -500, 3500, 10000}) {
        const TJahreszeiten j = Jahreszeiten(jahr);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_TRUE(std::isfinite(j[i])) << jahr;
        EXPECT_LT(j[0], j[1]) << jahr;
        EXPECT_LT(j[1], j[2]) << jahr;
        EXPECT_LT(j[2], j[3]) << jahr;
    }
}

TEST(Jahreszeiten, LocalClockTimeWithTheZoneOfTheYearAndDeltaT)
{
    // 2000 under central European time: standard time (+1 h) for spring and winter, daylight
    // time (+2 h) for summer and autumn, less Delta T of 67 s (dynamical to clock time): the
    // series instants 07:31, 01:43, 17:23 and 13:33 become 08:29:53, 03:41:53, 19:21:53 and
    // 14:31:53, shown to the minute.
    test::DeutscheUmgebung umgebung;
    TSonneMondAufUnter s(kzbStandard);
    s.Berechnen(MJDAusDatum(1, 5, 2000, 0));
    const TJahreszeiten lokal = JahreszeitenLokal(2000, s.SommerzeitDaten());
    const TJahreszeiten reihe = Jahreszeiten(2000);
    const Extended versatz[] = {1, 2, 2, 1};
    const char* texte[] = {"20.03.2000 08:30", "21.06.2000 03:42", "22.09.2000 19:22", "21.12.2000 14:32"};
    for (std::size_t i = 0; i < 4; ++i) {
        // To the minute.
        EXPECT_NEAR(D((lokal[i] - reihe[i]) * 86400), D(versatz[i] * 3600 - 67), 30.01) << i;
        EXPECT_EQ(MJDZuTextDatum(lokal[i]) + " " + ZeitText(StundeVon(lokal[i])), texte[i]);
    }
    // Without daylight saving in the year only the standard offset applies.
    TSonneMondAufUnter g(kzbGerman);
    g.Berechnen(MJDAusDatum(1, 5, 1970, 0));
    const TJahreszeiten ohne = JahreszeitenLokal(1970, g.SommerzeitDaten());
    const TJahreszeiten reihe1970 = Jahreszeiten(1970);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(D((ohne[i] - reihe1970[i]) * 86400), 3600 - 40.18, 30.01) << i;
}

}  // namespace
}  // namespace lunoria
