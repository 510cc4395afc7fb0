// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calendar/sommerzeit.h"
#include "testquellen.h"
#include "zonenregelguard.h"

namespace lunoria {
namespace {

using test::RegionalGuard;
using test::ZonenregelGuard;

// MJDs at 0 h of the days below, counted independently from 17 November 1858.
constexpr Extended M_1916_04_30 = 20983, M_1916_10_01 = 21137;
constexpr Extended M_1941_01_01 = 29995, M_1941_12_31 = 30359;
constexpr Extended M_1945_04_02 = 31547, M_1945_09_06 = 31704;
constexpr Extended M_1980_04_06 = 44335, M_1980_09_28 = 44510;
constexpr Extended M_1985_03_31 = 46155, M_1985_09_29 = 46337;
constexpr Extended M_2002_03_31 = 52364, M_2002_10_27 = 52574;
constexpr Extended M_1998_03_29 = 50901, M_1998_07_01 = 50995, M_1998_10_25 = 51111;
constexpr Extended M_2024_03_31 = 60400, M_2024_04_07 = 60407, M_2024_07_01 = 60492, M_2024_10_06 = 60589;
constexpr Extended M_2024_10_27 = 60610;

// Central European time installed through the seam, German regional settings.
class SommerzeitTest : public ::testing::Test {
protected:
    ZonenregelGuard m_Zone;
    RegionalGuard m_Regional;
};

TEST_F(SommerzeitTest, DeutscheJahreTexteUndTage)
{
    struct Fall {
        int jahr;
        const char* beginnText;
        const char* endeText;
        Extended beginnMJD, endeMJD;
        int beginnWochentag, beginnTag, beginnMonat, endeWochentag, endeTag, endeMonat;
        Extended beginnZeit, endeZeit;
    };
    const std::vector<Fall> faelle = {
        {1916, "letzter Sonntag (30.04.) im April um 23:00 Uhr", "erster Sonntag (1.10.) im Oktober um 01:00 Uhr",
         M_1916_04_30, M_1916_10_01, 7, 30, 4, 7, 1, 10, 23, 1},
        // Summer time all through 1941: from the year's first to its last moment.
        {1941, "erster Mittwoch (1.01.) im Januar um 00:00 Uhr", "letzter Mittwoch (31.12.) im Dezember um 24:00 Uhr",
         M_1941_01_01, M_1941_12_31, 3, 1, 1, 3, 31, 12, 0, 24},
        {1945, "erster Montag (2.04.) im April um 02:00 Uhr", "erster Donnerstag (6.09.) im September um 02:00 Uhr",
         M_1945_04_02, M_1945_09_06, 1, 2, 4, 4, 6, 9, 2, 2},
        // DST came back on the first Sunday of April 1980, not the last one of March.
        {1980, "erster Sonntag (6.04.) im April um 02:00 Uhr", "letzter Sonntag (28.09.) im September um 03:00 Uhr",
         M_1980_04_06, M_1980_09_28, 7, 6, 4, 7, 28, 9, 2, 3},
        {1985, "letzter Sonntag (31.03.) im März um 02:00 Uhr", "letzter Sonntag (29.09.) im September um 03:00 Uhr",
         M_1985_03_31, M_1985_09_29, 7, 31, 3, 7, 29, 9, 2, 3},
        {1998, "letzter Sonntag (29.03.) im März um 02:00 Uhr", "letzter Sonntag (25.10.) im Oktober um 03:00 Uhr",
         M_1998_03_29, M_1998_10_25, 7, 29, 3, 7, 25, 10, 2, 3},
        // Germany has kept DST every year since 1980: from 2002 on the system rule as well.
        {2002, "letzter Sonntag (31.03.) im März um 02:00 Uhr", "letzter Sonntag (27.10.) im Oktober um 03:00 Uhr",
         M_2002_03_31, M_2002_10_27, 7, 31, 3, 7, 27, 10, 2, 3},
        {2024, "letzter Sonntag (31.03.) im März um 02:00 Uhr", "letzter Sonntag (27.10.) im Oktober um 03:00 Uhr",
         M_2024_03_31, M_2024_10_27, 7, 31, 3, 7, 27, 10, 2, 3},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.jahr);
        // Any day of the year gives the year's record: here 1 July at noon.
        const TSommerzeitInfoRec r = SommerzeitInfo(kzbGerman, f.beginnMJD + 60.5L);
        EXPECT_NE(r.ZonenStatus, 0);
        EXPECT_EQ(r.BeginnText, f.beginnText);
        EXPECT_EQ(r.EndeText, f.endeText);
        EXPECT_EQ(r.BeginnMJD, f.beginnMJD);
        EXPECT_EQ(r.EndeMJD, f.endeMJD);
        EXPECT_EQ(r.BeginnWochentag, f.beginnWochentag);
        EXPECT_EQ(r.BeginnTag, f.beginnTag);
        EXPECT_EQ(r.BeginnMonat, f.beginnMonat);
        EXPECT_EQ(r.EndeWochentag, f.endeWochentag);
        EXPECT_EQ(r.EndeTag, f.endeTag);
        EXPECT_EQ(r.EndeMonat, f.endeMonat);
        EXPECT_DOUBLE_EQ(static_cast<double>(r.BeginnZeit), static_cast<double>(f.beginnZeit));
        EXPECT_DOUBLE_EQ(static_cast<double>(r.EndeZeit), static_cast<double>(f.endeZeit));
        EXPECT_EQ(r.NormalzeitName, "CET");
        EXPECT_EQ(r.SommerzeitName, "CEST");
        EXPECT_DOUBLE_EQ(static_cast<double>(r.NormalzeitOffset), 1.0);
        EXPECT_DOUBLE_EQ(static_cast<double>(r.SommerzeitOffset), 2.0);
    }
}

TEST_F(SommerzeitTest, JahreOhneDeutscheSommerzeit)
{
    // 1 July of each year, counted from MJD 0.
    const std::vector<std::pair<int, Extended>> jahre = {
        {1915, 20679}, {1919, 22140}, {1930, 26158}, {1939, 29445}, {1950, 33463}, {1965, 38942}, {1979, 44055},
    };
    for (const auto& [jahr, mjd] : jahre) {
        SCOPED_TRACE(jahr);
        const TSommerzeitInfoRec r = SommerzeitInfo(kzbGerman, mjd);
        EXPECT_EQ(r.ZonenStatus, 0);
        EXPECT_EQ(r.BeginnText, "keine Sommerzeit definiert");
        EXPECT_EQ(r.EndeText, "keine Sommerzeit definiert");
        EXPECT_EQ(r.BeginnTag, 0);
        EXPECT_EQ(r.BeginnMonat, 0);
        EXPECT_EQ(r.EndeTag, 0);
        EXPECT_EQ(r.EndeMonat, 0);
        EXPECT_EQ(r.BeginnMJD, 0);
        EXPECT_EQ(r.SommerzeitName, "");
        EXPECT_EQ(r.SommerzeitOffset, 0);
        EXPECT_EQ(r.NormalzeitName, "CET");
        EXPECT_DOUBLE_EQ(static_cast<double>(r.NormalzeitOffset), 1.0);
        EXPECT_FALSE(IstSommerzeit(r, mjd));
    }
}

TEST_F(SommerzeitTest, StandardBasisNimmtDieSystemregelInJedemJahr)
{
    // 1985 ends in October under the system rule (not September), 1930 and 2024 have DST.
    struct Fall {
        Extended mjd;
        const char* endeText;
    };
    const std::vector<Fall> faelle = {
        {46247, "letzter Sonntag (27.10.) im Oktober um 03:00 Uhr"},  // 1 July 1985
        {26158, "letzter Sonntag (26.10.) im Oktober um 03:00 Uhr"},  // 1 July 1930
        {M_2024_07_01, "letzter Sonntag (27.10.) im Oktober um 03:00 Uhr"},
    };
    for (const Fall& f : faelle) {
        const TSommerzeitInfoRec r = SommerzeitInfo(kzbStandard, f.mjd);
        EXPECT_EQ(r.ZonenStatus, 2) << "1 July lies in summer time";
        EXPECT_EQ(r.EndeText, f.endeText);
    }
    // The German basis has German summer time in 1996-2001 as well.
    EXPECT_EQ(SommerzeitInfo(kzbGerman, M_1998_07_01).ZonenStatus, 2);
}

TEST_F(SommerzeitTest, ZoneOhneSommerzeit)
{
    ZonenregelGuard japan(std::string("JST-9"));
    for (const Extended mjd : {M_1941_01_01, M_1985_03_31, M_1998_07_01, M_2024_07_01}) {
        const TSommerzeitInfoRec r = SommerzeitInfo(kzbStandard, mjd);
        EXPECT_EQ(r.ZonenStatus, 0);
        EXPECT_EQ(r.BeginnText, "keine Sommerzeit definiert");
        EXPECT_EQ(r.NormalzeitName, "JST");
        EXPECT_DOUBLE_EQ(static_cast<double>(r.NormalzeitOffset), 9.0);
        EXPECT_EQ(r.SommerzeitOffset, 0);
    }
    // German time keeps its own history whatever the system zone: 1985 ended in September.
    const TSommerzeitInfoRec r = SommerzeitInfo(kzbGerman, M_1985_03_31 + 90);
    EXPECT_EQ(r.ZonenStatus, 2);
    EXPECT_EQ(r.EndeText, "letzter Sonntag (29.09.) im September um 03:00 Uhr");

    // UTC has offset +0, which a text shows without a minus sign.
    ZonenregelGuard utc(std::string("UTC0"));
    const TSommerzeitInfoRec u = SommerzeitInfo(kzbStandard, M_1998_07_01);
    EXPECT_EQ(u.NormalzeitOffset, 0);
    EXPECT_FALSE(std::signbit(u.NormalzeitOffset));
}

TEST_F(SommerzeitTest, IstSommerzeitVonAnfangDesBeginnTagsBisVorDenEndeTag)
{
    const TSommerzeitInfoRec r = SommerzeitInfo(kzbGerman, M_1998_07_01);
    struct Fall {
        Extended mjd;
        bool sommer;
    };
    const std::vector<Fall> faelle = {
        {M_1998_03_29 - 0.0001L, false}, {M_1998_03_29, true},
        {M_1998_03_29 + 0.05L, true},    {M_1998_07_01, true},
        {M_1998_10_25 - 0.0001L, true},  {M_1998_10_25, false},
        {M_1998_10_25 + 0.5L, false},    {50814, false} /* 1 January 1998 */,
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(IstSommerzeit(r, f.mjd), f.sommer) << static_cast<double>(f.mjd);
}

TEST_F(SommerzeitTest, SuedhalbkugelSpanntDenJahreswechsel)
{
    ZonenregelGuard sydney(std::string("AEST-10AEDT,M10.1.0,M4.1.0/3"));
    const TSommerzeitInfoRec r = SommerzeitInfo(kzbStandard, M_2024_07_01);
    ASSERT_NE(r.ZonenStatus, 0);
    EXPECT_EQ(r.BeginnMJD, M_2024_10_06);
    EXPECT_EQ(r.EndeMJD, M_2024_04_07);
    EXPECT_EQ(r.BeginnText, "erster Sonntag (6.10.) im Oktober um 02:00 Uhr");
    EXPECT_EQ(r.EndeText, "erster Sonntag (7.04.) im April um 03:00 Uhr");
    EXPECT_DOUBLE_EQ(static_cast<double>(r.NormalzeitOffset), 10.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.SommerzeitOffset), 11.0);
    struct Fall {
        Extended mjd;
        bool sommer;
    };
    const std::vector<Fall> faelle = {
        {60310, true} /* 1 January 2024 */,
        {M_2024_04_07 - 0.0001L, true},
        {M_2024_04_07, false},
        {M_2024_07_01, false},
        {M_2024_10_06 - 0.0001L, false},
        {M_2024_10_06, true},
        {60675, true} /* 31 December 2024 */,
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(IstSommerzeit(r, f.mjd), f.sommer) << static_cast<double>(f.mjd);
}

TEST_F(SommerzeitTest, ZeitZonenOffsetFolgtDenDeutschenRegeln)
{
    struct Fall {
        Extended mjd;
        Extended stunden;
    };
    const std::vector<Fall> faelle = {
        {50814, 1},
        {M_1998_03_29, 2},
        {M_1998_07_01, 2},
        {M_1998_10_25, 1},
        {M_1941_01_01, 2},
        {M_1941_12_31, 2},  // summer time went on into 1942
        {M_1985_09_29 - 1, 2},
        {M_1985_09_29, 1},
        {26158, 1} /* 1 July 1930 */,
        {M_2024_07_01, 2},
        {60324, 1} /* 15 January 2024 */,
    };
    for (const Fall& f : faelle)
        EXPECT_DOUBLE_EQ(static_cast<double>(ZeitZonenOffsetAm(f.mjd)), static_cast<double>(f.stunden))
            << static_cast<double>(f.mjd);
}

TEST_F(SommerzeitTest, DeutscheSommerzeitStatusUndRegeln)
{
    struct Fall {
        int jahr;
        Extended mjd;
        int status;
    };
    const std::vector<Fall> faelle = {
        {1985, M_1985_03_31 - 1, 1},  {1985, M_1985_03_31, 2}, {1985, M_1985_09_29, 2}, {1985, M_1985_09_29 + 1, 1},
        {1945, M_1945_04_02 + 30, 2}, {1965, 38942, 0},        {1998, M_1998_07_01, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.jahr);
        Zonenregel z;
        EXPECT_EQ(DeutscheSommerzeit(f.jahr, f.mjd, z), f.status);
        EXPECT_EQ(z.Bias, -60);
        EXPECT_EQ(z.DaylightBias, -60);
        if (f.status == 0) {
            EXPECT_EQ(z.DaylightDate.wMonth, 0);
            EXPECT_EQ(z.StandardDate.wMonth, 0);
            EXPECT_EQ(z.StandardDate.wHour, 0);
        }
    }
    Zonenregel z;
    DeutscheSommerzeit(1945, 0, z);
    EXPECT_EQ(z.DaylightDate.wMonth, 4);
    EXPECT_EQ(z.DaylightDate.wDayOfWeek, 1);
    EXPECT_EQ(z.DaylightDate.wDay, 1);
    EXPECT_EQ(z.StandardDate.wMonth, 9);
    EXPECT_EQ(z.StandardDate.wDayOfWeek, 4);
}

TEST(RegelDatum, WochentagImMonat)
{
    struct Fall {
        int jahr;
        TSystemZeitRegel regel;
        Extended mjd;
    };
    const std::vector<Fall> faelle = {
        {1998, {3, 0, 5, 2, 0}, M_1998_03_29},  // last Sunday of March
        {2024, {3, 0, 2, 2, 0}, 60379},         // second Sunday of March: 10 March 2024
        {2024, {11, 0, 1, 2, 0}, 60617},        // first Sunday of November: 3 November 2024
        {2024, {11, 4, 4, 0, 0}, 60642},        // fourth Thursday of November: 28 November 2024
        {2016, {2, 0, 5, 0, 0}, 57446},         // last Sunday of February: 28 February 2016
        {2016, {2, 1, 5, 0, 0}, 57447},         // last Monday of February: 29 February 2016
        {2016, {2, 1, 4, 0, 0}, 57440},         // fourth Monday: 22 February 2016
        {2024, {0, 0, 5, 0, 0}, 60310},         // no month: 1 January
        {2024, {13, 0, 1, 0, 0}, 60310},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(RegelDatum(f.jahr, f.regel), f.mjd) << f.jahr << " " << f.regel.wMonth;
}

}  // namespace
}  // namespace lunoria
