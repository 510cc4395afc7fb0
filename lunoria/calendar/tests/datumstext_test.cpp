// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/zahlformat.h"
#include "testquellen.h"

namespace lunoria {
namespace {

using test::MeldungsRecorder;
using test::RegionalGuard;
using test::UhrGuard;

TRegionaleEinstellungen Einstellungen(const char* kurz, const char* trenner)
{
    TRegionaleEinstellungen e = DeutscheEinstellungen();
    e.KurzesDatumsformat = kurz;
    e.DatumsTrenner = trenner;
    return e;
}

TEST(Datumstext, DateOrderFromTheFirstCharacterOfTheShortFormat)
{
    const struct {
        const char* format;
        TDatumsreihenfolge reihenfolge;
    } faelle[] = {{"dd.MM.yyyy", TMJ}, {"D/M/Y", TMJ}, {"M/d/yyyy", MTJ}, {"mm-dd-yy", MTJ},
                  {"yyyy-MM-dd", JMT}, {"Y.M.D", JMT}, {"", TMJ},         {"'x' d", TMJ}};
    for (const auto& f : faelle) {
        RegionalGuard r(Einstellungen(f.format, "."));
        EXPECT_EQ(Datumsreihenfolge(), f.reihenfolge) << f.format;
    }
}

TEST(Datumstext, ShortDateTextInEachOrder)
{
    const struct {
        const char* format;
        const char* trenner;
        Extended mjd;
        const char* text;
    } faelle[] = {
        {"dd.MM.yyyy", ".", 50956, "23.05.1998"},
        {"yyyy-MM-dd", "-", 50956, "1998-05-23"},
        {"M/d/yyyy", "/", 50956, "05/23/1998"},
        {"dd.MM.yyyy", ".", MJDAusDatum(1, 1, -44, 0), "01.01.-44"},
        {"yyyy-MM-dd", "-", MJDAusDatum(5, 3, 12345, 0), "12345-03-05"},
        {"dd.MM.yyyy", ".", MJDAusDatum(4, 10, 1582, 0), "04.10.1582"},
        {"dd.MM.yyyy", ".", 50956.99L, "23.05.1998"},
    };
    for (const auto& f : faelle) {
        RegionalGuard r(Einstellungen(f.format, f.trenner));
        EXPECT_EQ(MJDZuTextDatum(f.mjd), f.text);
    }
}

TEST(Datumstext, ShortDateTextOfAnUnsplittableValueIsToday)
{
    RegionalGuard r;
    UhrGuard uhr(2005, 1, 1);
    MeldungsRecorder recorder;
    EXPECT_EQ(MJDZuTextDatum(std::numeric_limits<Extended>::quiet_NaN()), "01.01.2005");
    EXPECT_EQ(recorder.Meldungen.size(), 1u);
    EXPECT_EQ(TextDatumHeute(), "01.01.2005");
    EXPECT_EQ(MJDZuLangDatum(std::numeric_limits<Extended>::infinity()), "");
}

TEST(Datumstext, ReadingShortDates)
{
    UhrGuard uhr(2026, 12, 8);
    const Extended heute = MJDAusDatum(8, 12, 2026, 0);
    const struct {
        const char* format;
        const char* trenner;
        const char* text;
        int fehler;
        Extended mjd;
    } faelle[] = {
        // day-month-year
        {"dd.MM.yyyy", ".", "23.05.1998", 0, 50956},
        {"dd.MM.yyyy", ".", "23.5.1998", 0, 50956},
        {"dd.MM.yyyy", ".", "23/05/1998", 0, 50956},
        {"dd.MM.yyyy", ".", "23 05 1998", 0, 50956},
        {"dd.MM.yyyy", ".", "23.05. 1998", 0, 50956},  // blanks before the year are skipped
        {"dd.MM.yyyy", ".", "23.05.$7CE", 0, 50956},   // the year may be written in hexadecimal
        {"dd.MM.yyyy", ".", "23.5.", 0, MJDAusDatum(23, 5, 2026, 0)},
        {"dd.MM.yyyy", ".", "23.5", 0, MJDAusDatum(23, 5, 2026, 0)},
        {"dd.MM.yyyy", ".", "1.1.-44", 0, MJDAusDatum(1, 1, -44, 0)},
        {"dd.MM.yyyy", ".", "1.1.10000", 0, MJDAusDatum(1, 1, 10000, 0)},
        {"dd.MM.yyyy", ".", "21.10.1582", 0, MJDAusDatum(21, 10, 1582, 0)},
        {"dd.MM.yyyy", ".", "31.02.1998", 4, heute},
        {"dd.MM.yyyy", ".", "22.10.1582", 0, MJDAusDatum(22, 10, 1582, 0)},
        {"dd.MM.yyyy", ".", "10.10.1582", 4, heute},  // dropped by the calendar reform
        {"dd.MM.yyyy", ".", "", 4, heute},
        {"dd.MM.yyyy", ".", "23.05.1998 ", 4, heute},
        {"dd.MM.yyyy", ".", "23-05-1998", 4, heute},
        {"dd.MM.yyyy", ".", "23..05.1998", 4, heute},
        {"dd.MM.yyyy", ".", "23", 4, heute},
        {"dd.MM.yyyy", ".", "23.", 4, heute},
        {"dd.MM.yyyy", ".", "x.5.1998", 4, heute},
        {"dd.MM.yyyy", ".", "23.05.19x8", 4, heute},
        {"dd.MM.yyyy", ".", "0.05.1998", 4, heute},
        {"dd.MM.yyyy", ".", "99999999999.05.1998", 4, heute},
        // year-month-day
        {"yyyy-MM-dd", "-", "1998-05-23", 0, 50956},  // read as ISO, the separator being a minus
        {"yyyy-MM-dd", "-", "1998/05/23", 0, 50956},
        {"yyyy-MM-dd", "-", "1998/05", 4, heute},
        {"yyyy-MM-dd", "-", "-44/1/1", 0, MJDAusDatum(1, 1, -44, 0)},
        // month-day-year
        {"M/d/yyyy", "/", "05/23/1998", 0, 50956},
        {"M/d/yyyy", "/", "5.23.1998", 0, 50956},
        {"M/d/yyyy", "/", "5/23", 4, heute},
        {"M/d/yyyy", "/", "23/05/1998", 4, heute},
        // ISO 8601 in every order: sign and more than four digits of the year, nothing around
        {"M/d/yyyy", "/", "1998-05-23", 0, 50956},
        {"dd.MM.yyyy", ".", "-0044-03-15", 0, MJDAusDatum(15, 3, -44, 0)},
        {"dd.MM.yyyy", ".", "100000-01-01", 0, MJDAusDatum(1, 1, 100000, 0)},
        {"dd.MM.yyyy", ".", "+100000-01-01", 0, MJDAusDatum(1, 1, 100000, 0)},
        {"dd.MM.yyyy", ".", "0000-02-29", 0, MJDAusDatum(29, 2, 0, 0)},
        {"dd.MM.yyyy", ".", "1582-10-10", 4, heute},
        {"dd.MM.yyyy", ".", "1998-02-29", 4, heute},
        {"dd.MM.yyyy", ".", "998-05-23", 4, heute},
        {"dd.MM.yyyy", ".", "1998-5-23", 4, heute},
        {"dd.MM.yyyy", ".", "1998-05-23T00:00", 4, heute},
        {"dd.MM.yyyy", ".", "12345678901-01-01", 4, heute},
        {"dd.MM.yyyy", ".", "2147483648-01-01", 4, heute},
        {"dd.MM.yyyy", ".", "--1998-05-23", 4, heute},
    };
    for (const auto& f : faelle) {
        RegionalGuard r(Einstellungen(f.format, f.trenner));
        int fehler = -1;
        EXPECT_EQ(TextDatumZuMJD(f.text, fehler), f.mjd) << f.format << " \"" << f.text << "\"";
        EXPECT_EQ(fehler, f.fehler) << f.format << " \"" << f.text << "\"";
    }
}

TEST(Datumstext, ShortDateTextsReadBack)
{
    for (const char* format : {"dd.MM.yyyy", "M/d/yyyy"}) {
        RegionalGuard r(Einstellungen(format, format[0] == 'd' ? "." : "/"));
        for (const Extended mjd : {Extended(50956), MJDAusDatum(1, 1, -4712, 0), MJDAusDatum(31, 12, 5879490, 0),
                                   MJDAusDatum(15, 10, 1582, 0)}) {
            int fehler = -1;
            EXPECT_EQ(TextDatumZuMJD(MJDZuTextDatum(mjd), fehler), mjd) << format;
            EXPECT_EQ(fehler, 0);
        }
    }
}

TEST(Datumstext, ISODatesAndInstants)
{
    // Read back in the C locale's order as in the German one; the sign and width of the year.
    const struct {
        Extended mjd;
        const char* iso;
    } daten[] = {
        {50956, "1998-05-23"},
        {MJDAusDatum(15, 3, -44, 0), "-0044-03-15"},
        {MJDAusDatum(1, 1, -4712, 0), "-4712-01-01"},
        {MJDAusDatum(31, 12, 5879490, 0), "+5879490-12-31"},
        {MJDAusDatum(4, 10, 1582, 0), "1582-10-04"},
    };
    for (const auto& d : daten) {
        EXPECT_EQ(MJDZuISODatum(d.mjd), d.iso);
        int fehler = -1;
        EXPECT_EQ(TextDatumZuMJD(d.iso, fehler), d.mjd) << d.iso;
        EXPECT_EQ(fehler, 0);
    }
    // Instants to the minute with the offset in force; 23:59:40 is the next day's 00:00; local
    // mean time keeps its seconds.
    EXPECT_EQ(ISOZeitpunkt(50956 + 7.5L / 24, 3600), "1998-05-23T07:30:00+01:00");
    EXPECT_EQ(ISOZeitpunkt(50956 + (86400 - 20) / 86400.0L, -18000), "1998-05-24T00:00:00-05:00");
    EXPECT_EQ(ISOZeitpunkt(50956, 3208), "1998-05-23T00:00:00+00:53:28");
    EXPECT_EQ(ISOZeitpunkt(50956, -12600), "1998-05-23T00:00:00-03:30");
}

TEST(Datumstext, NumbersInText)
{
    const struct {
        const char* text;
        bool ok;
        int wert;
    } faelle[] = {
        {"12", true, 12},
        {"  12", true, 12},
        {"12 ", false, -1},
        {"+7", true, 7},
        {"-7", true, -7},
        {"$1F", true, 31},
        {"0x1f", true, 31},
        {"-$10", true, -16},
        {"", false, -1},
        {"-", false, -1},
        {"$", false, -1},
        {"1e3", false, -1},
        {"2147483647", true, 2147483647},
        {"2147483648", false, -1},
        {"-2147483648", true, -2147483647 - 1},
        {"99999999999999999999", false, -1},
        {"--5", false, -1},
        {"0", true, 0},
    };
    for (const auto& f : faelle) {
        int wert = 123;
        EXPECT_EQ(TextZuZahl(f.text, wert), f.ok) << '"' << f.text << '"';
        EXPECT_EQ(wert, f.wert) << '"' << f.text << '"';
    }
}

TEST(Datumstext, LongDatePictures)
{
    const struct {
        const char* bild;
        Extended mjd;
        const char* text;
    } faelle[] = {
        {"dddd, d. MMMM yyyy", 50956, "Samstag, 23. Mai 1998"},
        {"ddd dd.mm.yy", 50956, "Sa 23.05.98"},
        {"DDDDDD d MMM YYYY", 50956, "Samstag 23 Mai 1998"},
        {"ddddddd", 50956, ""},                 // no run of seven
        {"mmmmm yyy y", 50956, "  "},           // lengths without a meaning produce nothing
        {"dd/mm/yyyy", 50956, "23051998"},      // slashes produce nothing
        {"dd..mm,,yyyy", 50956, "23.05,1998"},  // a run of separators gives one
        {"d 'de' MMMM 'de' yyyy", 50956, "23  Mai  1998"},
        {"", 50956, ""},
        {"yy", MJDAusDatum(1, 1, 5, 0), "5"},
        {"dddd d.m.yyyy", MJDAusDatum(4, 10, 1582, 0), "Donnerstag 4.10.1582"},
        {"dddd d.m.yyyy", MJDAusDatum(15, 10, 1582, 0), "Freitag 15.10.1582"},
        {"dddd, d. MMMM yyyy", MJDAusDatum(1, 3, 2000, 0), "Mittwoch, 1. März 2000"},
    };
    for (const auto& f : faelle) {
        TRegionaleEinstellungen e = DeutscheEinstellungen();
        e.LangesDatumsformat = f.bild;
        RegionalGuard r(e);
        EXPECT_EQ(MJDZuLangDatum(f.mjd), f.text) << '"' << f.bild << '"';
    }
}

TEST(Datumstext, HoursAndMinutes)
{
    const struct {
        Extended stunden;
        int h, m;
        const char* text;
    } faelle[] = {
        {-5.0L, -5, 0, "-05:00"},   {-0.5L, 0, -30, "00:-30"}, {0, 0, 0, "00:00"},       {5.466L, 5, 28, "05:28"},
        {23.999L, 24, 0, "24:00"},  {2.5L, 2, 30, "02:30"},    {0.375L, 0, 22, "00:22"}, {0.625L, 0, 38, "00:38"},
        {-1.75L, -1, 45, "-01:45"}, {12.0L, 12, 0, "12:00"},
    };
    RegionalGuard r;
    for (const auto& f : faelle) {
        int h = 99, m = 99;
        StundenZuHM(f.stunden, h, m);
        EXPECT_EQ(h, f.h) << static_cast<double>(f.stunden);
        EXPECT_EQ(m, f.m) << static_cast<double>(f.stunden);
        EXPECT_EQ(ZeitText(f.stunden), f.text);
    }
    TRegionaleEinstellungen punkt = DeutscheEinstellungen();
    punkt.ZeitTrenner = ".";
    RegionalGuard r2(punkt);
    EXPECT_EQ(ZeitText(5.466L), "05.28");
    EXPECT_EQ(ZeitText(std::numeric_limits<Extended>::quiet_NaN()), "00.00");

    EXPECT_EQ(HMSZuStunden(2, 30, 0), 2.5L);
    EXPECT_EQ(HMSZuStunden(-1, 30, 0), -1.5L);
    EXPECT_EQ(HMSZuStunden(0, -30, 0), -0.5L);
    EXPECT_EQ(HMSZuStunden(1, 0, 1800), 1.5L);
}

TEST(Zahlformat, PicturesWithRegionalSeparators)
{
    const struct {
        bool deutsch;
        const char* muster;
        Extended wert;
        const char* text;
    } faelle[] = {
        {true, "#,#0.0000", 2450917.5L, "2.450.917,5000"},
        {true, "#,#0.0000", 50917, "50.917,0000"},
        {true, "#,#0.000000", -0.016112251882272416L, "-0,016112"},
        {true, "#,#0.0000", 0, "0,0000"},
        {true, "#,#0.0000", 999.25L, "999,2500"},
        {true, "#,#0.0000", -1234567.25L, "-1.234.567,2500"},
        {true, "#,#0.0000", -0.00001L, "0,0000"},
        {true, "#,#0.0000", 0.00005L, "0,0001"},
        {true, "#0", 1998, "1998"},
        {true, "#0", 1234567.5L, "1234568"},
        {false, "#,#0.0000", 2450917.5L, "2,450,917.5000"},
        {true, "#,#0.0000", std::numeric_limits<Extended>::quiet_NaN(), ""},
    };
    for (const auto& f : faelle) {
        TRegionaleEinstellungen e = DeutscheEinstellungen();
        if (!f.deutsch) {
            e.Dezimaltrenner = ".";
            e.Tausendertrenner = ",";
        }
        RegionalGuard r(e);
        EXPECT_EQ(FormatFloat(f.muster, f.wert), f.text) << f.muster << " " << static_cast<double>(f.wert);
    }
}

}  // namespace
}  // namespace lunoria
