// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <chrono>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "calendar/julian.h"
#include "testquellen.h"

namespace lunoria {
namespace {

using test::MeldungsRecorder;
using test::UhrGuard;

struct Datum {
    int tag, monat, jahr;
    bool operator==(const Datum&) const = default;
};

Datum Zerlege(Extended mjd)
{
    Datum d{};
    Extended h;
    EXPECT_TRUE(Caldat(mjd, d.tag, d.monat, d.jahr, h)) << static_cast<double>(mjd);
    return d;
}

// Independent month lengths: Julian leap rule before 1583, Gregorian after.
int OrakelMonatsLaenge(int monat, int jahr)
{
    static const int laengen[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schalt = jahr < 1583 ? (jahr % 4 == 0) : ((jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0);
    return laengen[monat - 1] + (monat == 2 && schalt ? 1 : 0);
}

Datum OrakelNaechsterTag(Datum d)
{
    if (d.jahr == 1582 && d.monat == 10 && d.tag == 4)
        return {15, 10, 1582};  // the calendar reform dropped ten days
    if (d.tag < OrakelMonatsLaenge(d.monat, d.jahr))
        return {d.tag + 1, d.monat, d.jahr};
    if (d.monat < 12)
        return {1, d.monat + 1, d.jahr};
    return {1, 1, d.jahr + 1};
}

TEST(Julian, WorkedExamples)
{
    EXPECT_EQ(MJDAusDatum(17, 11, 1858, 0), 0);
    EXPECT_EQ(MJDAusDatum(1, 1, 2000, 12), 51544.5L);
    EXPECT_EQ(JulDatAusMJD(51544.5L), 2451545.0L);
    EXPECT_EQ(JHdAusMJD(51544.5L), 0);
    EXPECT_EQ(MJDAusDatum(1, 1, -4712, 12), -2400000.5L);
    EXPECT_EQ(JulDatAusMJD(MJDAusDatum(1, 1, -4712, 12)), 0);
    EXPECT_EQ(MJDAusDatum(23, 5, 1998, 0), 50956);
    EXPECT_EQ(JulDatAusMJD(50956), 2450956.5L);
    EXPECT_NEAR(static_cast<double>(JHdAusMJD(50956)), -0.016112251882272416, 1e-17);
    EXPECT_EQ(MJDAusJHd(JHdAusMJD(50956)), 50956);
    EXPECT_EQ(MJDAusDatum(4, 10, 1582, 0), -100841);
    EXPECT_EQ(MJDAusDatum(15, 10, 1582, 0), -100840);
    EXPECT_DOUBLE_EQ(DateTimeAusMJD(MJDAusDatum(30, 12, 1899, 0)), 0.0);
    EXPECT_EQ(MJDAusDateTime(36000.0), 51018);
    // A day of the gap lands ten days early.
    EXPECT_EQ(MJDAusDatum(10, 10, 1582, 0), MJDAusDatum(30, 9, 1582, 0));

    int t, m, j;
    Extended h;
    ASSERT_TRUE(Caldat(-2400000.5L, t, m, j, h));
    EXPECT_EQ((Datum{t, m, j}), (Datum{1, 1, -4712}));
    EXPECT_EQ(h, 12.0L);
    ASSERT_TRUE(Caldat(MJDAusDatum(23, 5, 1998, 18.25L), t, m, j, h));
    EXPECT_EQ((Datum{t, m, j}), (Datum{23, 5, 1998}));
    EXPECT_NEAR(static_cast<double>(h), 18.25, 1e-9);
}

TEST(Julian, DaysOutsideTheMonthRunOn)
{
    const struct {
        int tag, monat, jahr;
        Datum erwartet;
    } faelle[] = {
        {32, 1, 2000, {1, 2, 2000}},  {0, 3, 2000, {29, 2, 2000}},  {0, 3, 1900, {28, 2, 1900}},
        {0, 1, 2000, {31, 12, 1999}}, {4, 10, 1582, {4, 10, 1582}}, {15, 10, 1582, {15, 10, 1582}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Zerlege(MJDAusDatum(f.tag, f.monat, f.jahr, 0)), f.erwartet)
            << f.tag << "." << f.monat << "." << f.jahr;
}

TEST(Julian, EveryDayFromMinusYear4712To10000RoundTripsAndFollowsItsPredecessor)
{
    Datum d{1, 1, -4712};
    Extended mjd = MJDAusDatum(1, 1, -4712, 0);
    long long tage = 0;
    while (d.jahr <= 10000) {
        ASSERT_EQ(MJDAusDatum(d.tag, d.monat, d.jahr, 0), mjd) << d.tag << "." << d.monat << "." << d.jahr;
        int t, m, j;
        Extended h;
        ASSERT_TRUE(Caldat(mjd, t, m, j, h));
        ASSERT_EQ((Datum{t, m, j}), d) << static_cast<double>(mjd);
        ASSERT_EQ(h, 0);
        // Every day of the walk is a valid date, and a month has no other valid days.
        ASSERT_TRUE(DatumGueltig(d.tag, d.monat, d.jahr)) << d.tag << "." << d.monat << "." << d.jahr;
        if (d.tag == 1) {
            int gueltig = 0;
            for (int tag = -1; tag <= 32; ++tag)
                gueltig += DatumGueltig(tag, d.monat, d.jahr) ? 1 : 0;
            const bool reform = d.jahr == 1582 && d.monat == 10;
            ASSERT_EQ(gueltig, OrakelMonatsLaenge(d.monat, d.jahr) - (reform ? 10 : 0)) << d.monat << "." << d.jahr;
        }
        d = OrakelNaechsterTag(d);
        mjd += 1;
        ++tage;
    }
    // 14713 years of 365.25 days (Julian) less the Gregorian corrections and the ten lost days.
    EXPECT_EQ(tage, static_cast<long long>(MJDAusDatum(1, 1, 10001, 0) - MJDAusDatum(1, 1, -4712, 0)));
}

TEST(Julian, TheLastYearsUpToTheHighestYearSplitExactly)
{
    const int start = MaxJahrStandard - 20;
    Datum d{1, 1, start};
    Extended mjd = MJDAusDatum(1, 1, start, 0);
    while (d.jahr <= MaxJahrStandard) {
        int t, m, j;
        Extended h;
        ASSERT_TRUE(Caldat(mjd + 0.75L, t, m, j, h));
        ASSERT_EQ((Datum{t, m, j}), d) << static_cast<double>(mjd);
        ASSERT_NEAR(static_cast<double>(h), 18.0, 1e-6);
        d = OrakelNaechsterTag(d);
        mjd += 1;
    }
    EXPECT_EQ(JahrVon(MJDAusDatum(31, 12, MaxJahrStandard, 0)), MaxJahrStandard);
}

TEST(Julian, UnsplittableValuesAreReportedAndRefused)
{
    const Extended werte[] = {
        std::numeric_limits<Extended>::quiet_NaN(),
        std::numeric_limits<Extended>::infinity(),
        -std::numeric_limits<Extended>::infinity(),
        1e300L,
        -1e300L,
        1e13L,
        std::numeric_limits<Extended>::max(),
        -2402000.0L,   // years before JD 0: no calendar date by this method
        -2400001.25L,  // 31 December -4713, 18 h: was 1 January -4712 at -6 hours
    };
    for (const Extended wert : werte) {
        MeldungsRecorder recorder;
        int t = 7, m = 7, j = 7;
        Extended h = 7;
        EXPECT_FALSE(Caldat(wert, t, m, j, h)) << static_cast<double>(wert);
        ASSERT_EQ(recorder.Meldungen.size(), 1u);
        EXPECT_EQ(recorder.Meldungen[0].rfind("_Caldat: ungültiger Wert: \"", 0), 0u) << recorder.Meldungen[0];
        EXPECT_EQ(recorder.Meldungen[0].back(), '"');
        EXPECT_EQ(JahrVon(wert), -1);
        EXPECT_EQ(MonatVon(wert), -1);
        EXPECT_EQ(TagVon(wert), -1);
        EXPECT_EQ(StundeVon(wert), -1.0L);
    }
    MeldungsRecorder recorder;
    int t, m, j;
    Extended h;
    Caldat(std::numeric_limits<Extended>::quiet_NaN(), t, m, j, h);
    EXPECT_EQ(recorder.Meldungen.at(0), "_Caldat: ungültiger Wert: \"nan\"");
}

TEST(Julian, LeapYearsAndMonthLengths)
{
    const struct {
        int jahr;
        bool schalt;
    } jahre[] = {{1500, true}, {1582, false}, {1600, true}, {1700, false}, {1900, false},
                 {2000, true}, {0, true},     {-4, true},   {-1, false},   {2024, true}};
    for (const auto& j : jahre)
        EXPECT_EQ(Schaltjahr(j.jahr), j.schalt) << j.jahr;

    EXPECT_EQ(TageImMonat(2, 1900), 28);
    EXPECT_EQ(TageImMonat(2, 2000), 29);
    EXPECT_EQ(TageImMonat(10, 1582), 31);
    EXPECT_EQ(TageImMonatKalender(10, 1582), 21);
    EXPECT_EQ(TageImMonatKalender(10, 1583), 31);
    EXPECT_EQ(TageImMonat(0, 2000), 0);
    EXPECT_EQ(TageImMonat(13, 2000), 0);

    const struct {
        int tag, monat, jahr;
        bool gueltig;
    } daten[] = {{29, 2, 1900, false},  {29, 2, 2000, true},   {0, 1, 2000, false},  {1, 13, 2000, false},
                 {1, 0, 2000, false},   {31, 12, -4712, true}, {4, 10, 1582, true},  {5, 10, 1582, false},
                 {10, 10, 1582, false}, {14, 10, 1582, false}, {15, 10, 1582, true}, {22, 10, 1582, true},
                 {31, 10, 1582, true},  {32, 10, 1582, false}, {5, 10, 1583, true},  {5, 10, 1581, true}};
    for (const auto& d : daten)
        EXPECT_EQ(DatumGueltig(d.tag, d.monat, d.jahr), d.gueltig) << d.tag << "." << d.monat << "." << d.jahr;
}

TEST(Julian, WeekdayAndDayOfYearTakeTheNearestWholeDay)
{
    EXPECT_EQ(Wochentag(0, 51544), 6);  // 1 January 2000, Saturday
    const Extended silvester2000 = MJDAusDatum(31, 12, 2000, 0);
    EXPECT_EQ(Wochentag(0, silvester2000), 0);
    EXPECT_EQ(Wochentag(1, silvester2000), 7);
    EXPECT_EQ(Wochentag(2, silvester2000), 0);  // any other numbering counts from Sunday = 0
    EXPECT_EQ(TagDesJahres(silvester2000), 366);
    EXPECT_EQ(TagDesJahres(MJDAusDatum(31, 12, 1999, 0)), 365);
    for (const int jahr : {-4712, 1582, 1583, 1999, 2000})
        EXPECT_EQ(TagDesJahres(MJDAusDatum(1, 1, jahr, 0)), 1) << jahr;
    EXPECT_EQ(TagDesJahres(MJDAusDatum(31, 12, 1582, 0)), 355);  // the reform year is ten days short

    // After 12:00 the weekday and the day of the year are those of the next day; exactly 12:00
    // goes to the even neighbour, while Caldat keeps the calendar day.
    const Extended samstag = 51544;  // even
    EXPECT_EQ(Wochentag(0, samstag + 0.5L), 6);
    EXPECT_EQ(Wochentag(0, samstag + 0.75L), 0);
    EXPECT_EQ(Wochentag(0, samstag + 1.5L), 1);  // 51545.5 rounds to 51546
    EXPECT_EQ(TagDesJahres(samstag + 0.75L), 2);
    EXPECT_EQ(TagDesJahres(samstag + 0.5L), 1);
    EXPECT_EQ(TagVon(samstag + 0.75L), 1);
}

TEST(Julian, WeekdayAndIsoWeekAgreeWithStdChronoFrom1600To2400)
{
    using namespace std::chrono;
    const sys_days erster = year{1600} / January / 1;
    const sys_days letzter = year{2400} / December / 31;
    for (sys_days tag = erster; tag <= letzter; tag += days{1}) {
        const year_month_day ymd{tag};
        const int j = static_cast<int>(ymd.year());
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int t = static_cast<int>(static_cast<unsigned>(ymd.day()));
        const Extended mjd = MJDAusDatum(t, m, j, 0);
        const weekday wt{tag};
        ASSERT_EQ(Wochentag(0, mjd), static_cast<int>(wt.c_encoding())) << j << "-" << m << "-" << t;
        ASSERT_EQ(Wochentag(1, mjd), static_cast<int>(wt.iso_encoding())) << j << "-" << m << "-" << t;

        // ISO week: the week belongs to the year of its Thursday.
        const sys_days montag = tag - days{wt.iso_encoding() - 1};
        const sys_days donnerstag = montag + days{3};
        const year isoJahr = year_month_day{donnerstag}.year();
        const int woche = static_cast<int>((donnerstag - sys_days{isoJahr / January / 1}).count() / 7 + 1);
        ASSERT_EQ(Kalenderwoche(mjd), woche) << j << "-" << m << "-" << t;
        if (t % 5 == 0 || m == 1 || m == 12) {  // the search is slower: every fifth day and the year ends
            const auto mo = year_month_day{montag};
            ASSERT_EQ(KalenderwocheStart(mjd),
                      MJDAusDatum(static_cast<int>(static_cast<unsigned>(mo.day())),
                                  static_cast<int>(static_cast<unsigned>(mo.month())), static_cast<int>(mo.year()), 0))
                << j << "-" << m << "-" << t;
        }
    }
}

TEST(Julian, CalendarWeeksAtTheTurnOfTheYear)
{
    const struct {
        int tag, monat, jahr;
        int woche;
        Datum montag;
    } faelle[] = {
        {29, 12, 2003, 1, {29, 12, 2003}}, {31, 12, 2004, 53, {27, 12, 2004}}, {1, 1, 2005, 53, {27, 12, 2004}},
        {1, 1, 2010, 53, {28, 12, 2009}},  {3, 1, 2010, 53, {28, 12, 2009}},   {4, 1, 2010, 1, {4, 1, 2010}},
        {23, 5, 1998, 21, {18, 5, 1998}},  {1, 1, 2003, 1, {30, 12, 2002}},
    };
    for (const auto& f : faelle) {
        const Extended mjd = MJDAusDatum(f.tag, f.monat, f.jahr, 0);
        EXPECT_EQ(Kalenderwoche(mjd), f.woche) << f.tag << "." << f.monat << "." << f.jahr;
        EXPECT_EQ(Zerlege(KalenderwocheStart(mjd)), f.montag) << f.tag << "." << f.monat << "." << f.jahr;
    }
}

TEST(Julian, WeekdaysOfAMonth)
{
    const struct {
        bool letzter;
        int wochentag, monat, jahr;
        Datum erwartet;
    } faelle[] = {
        {true, 0, 3, 1998, {29, 3, 1998}}, {true, 0, 10, 1998, {25, 10, 1998}}, {false, 0, 10, 1916, {1, 10, 1916}},
        {true, 7, 4, 1916, {30, 4, 1916}}, {false, 3, 1, 1941, {1, 1, 1941}},   {true, 3, 12, 1941, {31, 12, 1941}},
        {false, 1, 2, 2000, {7, 2, 2000}}, {true, 2, 2, 2000, {29, 2, 2000}},
    };
    for (const auto& f : faelle) {
        const Extended mjd = f.letzter ? LetzterWochentagImMonat(f.wochentag, f.monat, f.jahr)
                                       : ErsterWochentagImMonat(f.wochentag, f.monat, f.jahr);
        EXPECT_EQ(Zerlege(mjd), f.erwartet) << f.wochentag << " " << f.monat << "." << f.jahr;
    }
}

TEST(Julian, DeltaTByYear)
{
    const struct {
        int jahr;
        double sekunden;
    } faelle[] = {{1899, 0},    {1900, -2.72}, {1904, -2.72}, {1905, 3.86}, {1949, 26.77}, {1984, 53.8}, {1985, 54.34},
                  {1992, 58.3}, {1999, 58.6},  {2000, 67.0},  {2009, 67.0}, {2010, 80.0},  {3000, 80.0}};
    for (const auto& f : faelle) {
        Extended mjd = MJDAusDatum(1, 7, f.jahr, 0);
        const Extended vorher = mjd;
        DeltaTKorrektur(mjd);
        EXPECT_NEAR(static_cast<double>((mjd - vorher) * 86400), f.sekunden, 1e-6) << f.jahr;
    }
}

TEST(Julian, WholePartsAsTheLibraryGivesThem)
{
    constexpr Extended unendlich = std::numeric_limits<Extended>::infinity();
    const Extended zwei53 = 9007199254740992.0L, zwei63 = 9223372036854775808.0L;
    const Extended werte[] = {0.0L,           -0.0L,         1e-30L,         -1e-30L,       0.5L,
                              -0.5L,          1.5L,          -1.5L,          2.5L,          -2.5L,
                              0.7L,           -0.7L,         1.0L,           -1.0L,         2400002.4999999L,
                              -100841.5L,     zwei53 - 0.5L, -zwei53 + 0.5L, zwei53 + 1.5L, zwei63 - 0.5L,
                              -zwei63 + 0.5L, zwei63,        1e300L,         unendlich,     -unendlich};
    const auto gleich = [](Extended a, Extended b) { return a == b && std::signbit(a) == std::signbit(b); };
    for (const Extended x : werte) {
        for (const Extended y : {x, std::nextafter(x, unendlich), std::nextafter(x, -unendlich)}) {
            EXPECT_TRUE(gleich(Abschneiden(y), std::trunc(y))) << static_cast<double>(y);
            EXPECT_TRUE(gleich(Abrunden(y), std::floor(y))) << static_cast<double>(y);
            EXPECT_TRUE(gleich(RundeNaechste(y), std::nearbyint(y))) << static_cast<double>(y);
        }
    }
    EXPECT_TRUE(std::isnan(Abschneiden(std::numeric_limits<Extended>::quiet_NaN())));
    EXPECT_EQ(GanzzahlAus(-2400002), -2400002);
    EXPECT_EQ(GanzzahlAus(zwei53 + 2), 9007199254740994LL);
    EXPECT_EQ(GanzzahlAus(-zwei63 + 1024), -9223372036854774784LL);
}

TEST(Julian, TodayAndNowComeFromTheClock)
{
    UhrGuard uhr(1998, 5, 23, 18, 30);
    EXPECT_EQ(MJDHeute(), 50956);
    EXPECT_NEAR(static_cast<double>(MJDJetzt()), 50956 + 18.5 / 24, 1e-9);
    EXPECT_EQ(JahrHeute(), 1998);
}

}  // namespace
}  // namespace lunoria
