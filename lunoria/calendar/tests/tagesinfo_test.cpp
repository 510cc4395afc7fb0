// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <gtest/gtest.h>

#include "calendar/julian.h"
#include "calendar/tests/testquellen.h"
#include "calendar/tagesinfo.h"

namespace lunoria {
namespace {

TEST(Tagesinfo, FactsOfADay)
{
    test::RegionalGuard r;
    const struct {
        int tag, monat, jahr, start;
        const char* wochentag;
        const char* monatsname;
        const char* lang;
        int kw;
        Extended kwBeginn;
        int seit, bis;
        bool schalt;
    } faelle[] = {
        {1, 1, 2005, 1, "Samstag", "Januar", "Samstag, 1. Januar 2005", 53, MJDAusDatum(27, 12, 2004, 0), 1, 364,
         false},
        {31, 12, 2000, 1, "Sonntag", "Dezember", "Sonntag, 31. Dezember 2000", 52, MJDAusDatum(25, 12, 2000, 0), 366, 0,
         true},
        {29, 2, 2000, 1, "Dienstag", "Februar", "Dienstag, 29. Februar 2000", 9, MJDAusDatum(28, 2, 2000, 0), 60, 306,
         true},
        {15, 6, 1900, 1, "Freitag", "Juni", "Freitag, 15. Juni 1900", 24, MJDAusDatum(11, 6, 1900, 0), 166, 199, false},
        {23, 5, 1998, 0, "Samstag", "Mai", "Samstag, 23. Mai 1998", -1, -1, 143, 222, false},
        {23, 5, 1998, 6, "Samstag", "Mai", "Samstag, 23. Mai 1998", -1, -1, 143, 222, false},
    };
    for (const auto& f : faelle) {
        const Tagesinfo info = TagesinfoBerechnen(MJDAusDatum(f.tag, f.monat, f.jahr, 0), f.start);
        SCOPED_TRACE(testing::Message() << f.tag << "." << f.monat << "." << f.jahr << " start " << f.start);
        EXPECT_EQ(info.Wochentagname, f.wochentag);
        EXPECT_EQ(info.Monatsname, f.monatsname);
        EXPECT_EQ(info.Jahr, f.jahr);
        EXPECT_EQ(info.LangesDatum, f.lang);
        EXPECT_EQ(info.KW, f.kw);
        EXPECT_EQ(info.KWBeginn, f.kwBeginn);
        EXPECT_EQ(info.TageSeit, f.seit);
        EXPECT_EQ(info.TageBis, f.bis);
        EXPECT_EQ(info.Schaltjahr, f.schalt);
    }
}

TEST(Tagesinfo, DaysSinceAndUntilAddUpToTheYear)
{
    test::RegionalGuard r;
    for (const int jahr : {1582, 1900, 1999, 2000, 2024}) {
        const int laenge = TagDesJahres(MJDAusDatum(31, 12, jahr, 0));
        for (Extended mjd = MJDAusDatum(1, 1, jahr, 0); mjd <= MJDAusDatum(31, 12, jahr, 0); mjd += 1) {
            const Tagesinfo info = TagesinfoBerechnen(mjd, 1);
            ASSERT_EQ(info.TageSeit + info.TageBis, laenge) << static_cast<double>(mjd);
        }
        EXPECT_EQ(laenge, jahr == 1582 ? 355 : (Schaltjahr(jahr) ? 366 : 365));
    }
}

}  // namespace
}  // namespace lunoria
