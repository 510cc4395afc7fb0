// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The astronomy tab's data and label texts.
#include <string>

#include <gtest/gtest.h>

#include "astronomy/astroinfo.h"
#include "calendar/julian.h"
#include "umgebung.h"

namespace lunoria {
namespace {

TEST(Astroinfo, LabelsOf23May1998)
{
    test::DeutscheUmgebung umgebung;
    const Astroinfo info = AstroinfoBerechnen(MJDAusDatum(23, 5, 1998, 0), kzbStandard, 49.47L, -9.65L);
    const TAstroinfoTexte t = AstroinfoTexte(info);
    EXPECT_EQ(t.lbJD, "2.450.956,5000");
    EXPECT_EQ(t.lbMJD, "50.956,0000");
    EXPECT_EQ(t.lbJHd, "-0,016112");  // (50956 - 51544.5) / 36525
    EXPECT_EQ(t.lbMondPhase, "11,4%, abnehmend");
    EXPECT_EQ(t.lbSonneAuf, "05:28 Uhr");
    EXPECT_EQ(t.lbSonneUnter, "21:09 Uhr");
    EXPECT_EQ(t.lbMondAuf, "04:27 Uhr");
    EXPECT_EQ(t.lbMondUnter, "18:03 Uhr");
    EXPECT_EQ(t.lbGMT, "+02:00");
    EXPECT_EQ(t.lbStartSommerzeit, "am 29.03. um 02:00 Uhr");
    EXPECT_EQ(t.lbEndeSommerzeit, "am 25.10. um 03:00 Uhr");
    // Season labels: date, two blanks, clock time, " Uhr"; spring in standard time.
    EXPECT_EQ(t.lbFruehling.substr(0, 12), "20.03.1998  ");
    EXPECT_EQ(t.lbFruehling.substr(t.lbFruehling.size() - 4), " Uhr");
    EXPECT_EQ(t.lbFruehling.size(), std::string("20.03.1998  20:55 Uhr").size());
    EXPECT_EQ(t.lbWinter.substr(0, 10), "22.12.1998");
    EXPECT_GT(info.Beleuchtung, 11.3);
    EXPECT_LT(info.Beleuchtung, 11.5);
    EXPECT_FALSE(info.Zunehmend);

    const auto zeilen = AstroinfoZeilen(t);
    EXPECT_STREQ(zeilen[0].Caption, "Julianisches Datum (JD):");
    EXPECT_EQ(zeilen[0].Wert, t.lbJD);
    EXPECT_STREQ(zeilen[13].Caption, "Sommerzeitanfang,");
    EXPECT_STREQ(zeilen[18].Caption, "Winteranfang:");
    EXPECT_EQ(zeilen[18].Wert, t.lbWinter);
    // The twilights follow sunset, and the tab's sun tooltip repeats them.
    EXPECT_STREQ(zeilen[6].Caption, "Bürgerliche Dämmerung:");
    EXPECT_EQ(zeilen[8].Wert, "02:34 \u2013 00:01 Uhr");
    EXPECT_EQ(DaemmerungZeilen(t),
              "Bürgerliche Dämmerung: 04:48 \u2013 21:49 Uhr\n"
              "Nautische Dämmerung: 03:53 \u2013 22:44 Uhr\n"
              "Astronomische Dämmerung: 02:34 \u2013 00:01 Uhr");
}

TEST(Astroinfo, JulianDatesWithGermanSeparators)
{
    test::DeutscheUmgebung umgebung;
    const TAstroinfoTexte t = AstroinfoTexte(
        AstroinfoBerechnen(MJDAusDatum(14, 4, 1998, 0), kzbStandard, 49.47L, -9.65L));
    EXPECT_EQ(t.lbJD, "2.450.917,5000");
    EXPECT_EQ(t.lbMJD, "50.917,0000");
}

TEST(Astroinfo, NoDaylightSavingGivesNichtDefiniert)
{
    test::DeutschGuard deutsch;
    test::FesteUhr uhr(1, 6, 2000);
    for (const char* tz : {"UTC0", "JST-9"}) {
        test::ZonenGuard zone(tz);
        const TAstroinfoTexte t = AstroinfoTexte(
            AstroinfoBerechnen(MJDAusDatum(1, 6, 2000, 0), kzbStandard, 49.47L, -9.65L));
        EXPECT_EQ(t.lbStartSommerzeit, "nicht definiert") << tz;
        EXPECT_EQ(t.lbEndeSommerzeit, "nicht definiert") << tz;
    }
    // The German basis has no daylight saving in 1970 whatever the system zone.
    test::ZonenGuard mez;
    const TAstroinfoTexte g = AstroinfoTexte(AstroinfoBerechnen(MJDAusDatum(1, 6, 1970, 0), kzbGerman, 49.47L, -9.65L));
    EXPECT_EQ(g.lbStartSommerzeit, "nicht definiert");
    EXPECT_EQ(g.lbEndeSommerzeit, "nicht definiert");
    EXPECT_EQ(g.lbGMT, "+01:00");
}

}  // namespace
}  // namespace lunoria
