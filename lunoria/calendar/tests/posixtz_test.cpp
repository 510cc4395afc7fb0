// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calendar/posixtz.h"
#include "calendar/sommerzeit.h"
#include "calendar/zonenregel.h"
#include "testquellen.h"

namespace lunoria {
namespace {

using W = TPosixWechsel;

bool GleicheRegel(const TSystemZeitRegel& a, const TSystemZeitRegel& b)
{
    return a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek && a.wDay == b.wDay && a.wHour == b.wHour &&
           a.wMinute == b.wMinute;
}

std::string Text(const TSystemZeitRegel& r)
{
    return "{" + std::to_string(r.wMonth) + "," + std::to_string(r.wDayOfWeek) + "," + std::to_string(r.wDay) + "," +
           std::to_string(r.wHour) + "," + std::to_string(r.wMinute) + "}";
}

TEST(PosixTZ, GueltigeRegeln)
{
    struct Fall {
        const char* text;
        const char* normalName;
        long normalOffset;
        const char* sommerName;  // nullptr: no daylight time
        long sommerOffset;
        W beginn, ende;
    };
    const W ohne{};
    const std::vector<Fall> faelle = {
        {"CET-1CEST,M3.5.0,M10.5.0/3",
         "CET",
         -3600,
         "CEST",
         -7200,
         {W::MonatWocheTag, 3, 5, 0, 0, 7200},
         {W::MonatWocheTag, 10, 5, 0, 0, 10800}},
        {"EST5EDT,M3.2.0,M11.1.0",
         "EST",
         18000,
         "EDT",
         14400,
         {W::MonatWocheTag, 3, 2, 0, 0, 7200},
         {W::MonatWocheTag, 11, 1, 0, 0, 7200}},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3",
         "AEST",
         -36000,
         "AEDT",
         -39600,
         {W::MonatWocheTag, 10, 1, 0, 0, 7200},
         {W::MonatWocheTag, 4, 1, 0, 0, 10800}},
        {"JST-9", "JST", -32400, nullptr, 0, ohne, ohne},
        {"<+0330>-3:30", "+0330", -12600, nullptr, 0, ohne, ohne},
        {"<-03>3", "-03", 10800, nullptr, 0, ohne, ohne},
        {"XYZ+5:45:30", "XYZ", 20730, nullptr, 0, ohne, ohne},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
         "+1030",
         -37800,
         "+11",
         -39600,
         {W::MonatWocheTag, 10, 1, 0, 0, 7200},
         {W::MonatWocheTag, 4, 1, 0, 0, 7200}},
        {"IST-2IDT,M3.4.4/26,M10.5.0",
         "IST",
         -7200,
         "IDT",
         -10800,
         {W::MonatWocheTag, 3, 4, 4, 0, 93600},
         {W::MonatWocheTag, 10, 5, 0, 0, 7200}},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0",
         "-02",
         7200,
         "-01",
         3600,
         {W::MonatWocheTag, 3, 5, 0, 0, -3600},
         {W::MonatWocheTag, 10, 5, 0, 0, 0}},
        {"EST5EDT4:30,J60/1:30:15,300",
         "EST",
         18000,
         "EDT",
         16200,
         {W::JulianTag, 0, 0, 0, 60, 5415},
         {W::NullTag, 0, 0, 0, 300, 7200}},
        {"EST5EDT",
         "EST",
         18000,
         "EDT",
         14400,
         {W::MonatWocheTag, 3, 2, 0, 0, 7200},
         {W::MonatWocheTag, 11, 1, 0, 0, 7200}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        const auto z = LiesPosixTZ(f.text);
        ASSERT_TRUE(z.has_value());
        EXPECT_EQ(z->NormalName, f.normalName);
        EXPECT_EQ(z->NormalOffset, f.normalOffset);
        EXPECT_EQ(z->HatSommerzeit, f.sommerName != nullptr);
        if (!f.sommerName)
            continue;
        EXPECT_EQ(z->SommerName, f.sommerName);
        EXPECT_EQ(z->SommerOffset, f.sommerOffset);
        for (const auto& [ist, soll] : {std::pair{z->Beginn, f.beginn}, std::pair{z->Ende, f.ende}}) {
            EXPECT_EQ(ist.Form, soll.Form);
            EXPECT_EQ(ist.Monat, soll.Monat);
            EXPECT_EQ(ist.Woche, soll.Woche);
            EXPECT_EQ(ist.Wochentag, soll.Wochentag);
            EXPECT_EQ(ist.Tag, soll.Tag);
            EXPECT_EQ(ist.Sekunden, soll.Sekunden);
        }
    }
}

TEST(PosixTZ, FehlerhafteRegeln)
{
    for (const char* text : {
             "",
             "CET",
             "CE-1",
             "Europe/Berlin",
             "CET-1 ",
             "CET25",
             "CET-1:60",
             "CET-1:30:60",
             "<AB>1",
             "<CET-1",
             "<C,T>1",
             "CET-1CEST,M3.5.0",
             "CET-1CEST,M13.1.0,M10.5.0",
             "CET-1CEST,M3.6.0,M10.5.0",
             "CET-1CEST,M3.0.0,M10.5.0",
             "CET-1CEST,M3.5.7,M10.5.0",
             "CET-1CEST,J0,J365",
             "CET-1CEST,J1,J366",
             "CET-1CEST,366,1",
             "CET-1CEST,M3.5.0,M10.5.0/168",
             "CET-1CEST,M3.5.0,M10.5.0/3x",
             "CET-1CEST,M3.5,M10.5.0",
             "CET-1CEST25,M3.5.0,M10.5.0",
             "CET-1CEST,M3.5.0/,M10.5.0",
             "CET-1CE",
         })
        EXPECT_FALSE(LiesPosixTZ(text).has_value()) << '"' << text << '"';
}

TEST(PosixTZ, ZonenregelMitPlattformVorzeichen)
{
    struct Fall {
        const char* text;
        int bias, daylightBias, status;
        TSystemZeitRegel beginn, ende;
        const char* normalName;
    };
    const std::vector<Fall> faelle = {
        {"CET-1CEST,M3.5.0,M10.5.0/3", -60, -60, 1, {3, 0, 5, 2, 0}, {10, 0, 5, 3, 0}, "CET"},
        {"EST5EDT,M3.2.0,M11.1.0", 300, -60, 1, {3, 0, 2, 2, 0}, {11, 0, 1, 2, 0}, "EST"},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", -600, -60, 1, {10, 0, 1, 2, 0}, {4, 0, 1, 3, 0}, "AEST"},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", -630, -30, 1, {10, 0, 1, 2, 0}, {4, 0, 1, 2, 0}, "+1030"},
        {"JST-9", -540, 0, 0, {}, {}, "JST"},
        {"<+0545>-5:45", -345, 0, 0, {}, {}, "+0545"},
        {"XYZ+5:45:30", 346, 0, 0, {}, {}, "XYZ"},     // seconds round to the nearest minute
        {"CET-1CEST,M3.5.0", 0, 0, 0, {}, {}, "UTC"},  // does not parse: UTC
        {"", 0, 0, 0, {}, {}, "UTC"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        const TZonenregelStand s = ZonenregelAusText(f.text, 2024);
        EXPECT_EQ(s.Regel.Bias, f.bias);
        EXPECT_EQ(s.Regel.StandardBias, 0);
        EXPECT_EQ(s.Regel.DaylightBias, f.daylightBias);
        EXPECT_EQ(s.Status, f.status);
        EXPECT_EQ(s.Regel.StandardName, f.normalName);
        EXPECT_TRUE(GleicheRegel(s.Regel.DaylightDate, f.beginn)) << Text(s.Regel.DaylightDate);
        EXPECT_TRUE(GleicheRegel(s.Regel.StandardDate, f.ende)) << Text(s.Regel.StandardDate);
    }
}

TEST(PosixTZ, TagesformenWerdenZurWochentagsregelDesJahres)
{
    // Weekdays of the dates checked against a printed calendar: 1 March 2023 Wednesday,
    // 1 March 2024 Friday, 27 October 2023 Friday, 27 October 2024 Sunday, 29 February 2024
    // Thursday, 26 October 2024 Saturday, 29 March 2024 Friday, 30 March 2024 Saturday,
    // 1 January 2023 and 31 December 2023 Sundays.
    struct Fall {
        const char* text;
        int jahr;
        TSystemZeitRegel beginn, ende;
    };
    const std::vector<Fall> faelle = {
        // J60 is 1 March in every year, J300 27 October.
        {"AAA0BBB,J60,J300", 2023, {3, 3, 1, 2, 0}, {10, 5, 5, 2, 0}},
        {"AAA0BBB,J60,J300", 2024, {3, 5, 1, 2, 0}, {10, 0, 5, 2, 0}},
        // n counts 29 February: day 59 is 1 March 2023 but 29 February 2024.
        {"AAA0BBB,59,299", 2023, {3, 3, 1, 2, 0}, {10, 5, 5, 2, 0}},
        {"AAA0BBB,59,299", 2024, {2, 4, 5, 2, 0}, {10, 6, 5, 2, 0}},
        // 26 h after 0 h of the fourth Thursday (28 March 2024): Friday 29 March, 02:00.
        {"IST-2IDT,M3.4.4/26,M10.5.0", 2024, {3, 5, 5, 2, 0}, {10, 0, 5, 2, 0}},
        // One hour before the last Sunday of March (31 March 2024): Saturday, 23:00.
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", 2024, {3, 6, 5, 23, 0}, {10, 0, 5, 0, 0}},
        // Daylight time all year; the change 25 h after 31 December stays on that day.
        {"EST5EDT,0/0,J365/25", 2023, {1, 0, 1, 0, 0}, {12, 0, 5, 23, 59}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.text) + " " + std::to_string(f.jahr));
        const TZonenregelStand s = ZonenregelAusText(f.text, f.jahr);
        EXPECT_TRUE(GleicheRegel(s.Regel.DaylightDate, f.beginn)) << Text(s.Regel.DaylightDate);
        EXPECT_TRUE(GleicheRegel(s.Regel.StandardDate, f.ende)) << Text(s.Regel.StandardDate);
    }
}

// A TZif file of version 2 with the given counts (isut, isstd, leap, times, types, chars) in
// both headers, zero-filled data blocks and the footer.
std::string TZifDaten(char version, std::vector<std::uint32_t> zahlen, const std::string& fuss)
{
    const auto kopf = [&] {
        std::string k = "TZif";
        k += version;
        k.append(15, '\0');
        for (const std::uint32_t z : zahlen)
            for (int s = 24; s >= 0; s -= 8)
                k += static_cast<char>((z >> s) & 0xff);
        return k;
    };
    const auto block = [&](std::uint64_t zeit) {
        return std::string(
            zahlen[3] * (zeit + 1) + zahlen[4] * 6 + zahlen[5] + zahlen[2] * (zeit + 4) + zahlen[1] + zahlen[0], '\0');
    };
    return kopf() + block(4) + kopf() + block(8) + fuss;
}

TEST(TZif, Fusszeile)
{
    const std::vector<std::uint32_t> leer = {0, 0, 0, 0, 0, 0};
    const std::vector<std::uint32_t> voll = {2, 2, 1, 3, 2, 8};
    EXPECT_EQ(TZifFusszeile(TZifDaten('2', leer, "\nCET-1CEST,M3.5.0,M10.5.0/3\n")), "CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(TZifFusszeile(TZifDaten('3', voll, "\nJST-9\n")), "JST-9");
    EXPECT_EQ(TZifFusszeile(TZifDaten('2', voll, "\n\n")), "");

    const std::string gut = TZifDaten('2', voll, "\nJST-9\n");
    EXPECT_FALSE(TZifFusszeile(gut.substr(0, gut.size() - 1)));  // footer not closed
    EXPECT_FALSE(TZifFusszeile(gut.substr(0, 60)));
    EXPECT_FALSE(TZifFusszeile(TZifDaten('\0', voll, "\nJST-9\n")));  // version 1 has no footer
    EXPECT_FALSE(TZifFusszeile("TZof" + gut.substr(4)));
    EXPECT_FALSE(TZifFusszeile(""));
    // Counts that promise more data than there is.
    EXPECT_FALSE(TZifFusszeile(TZifDaten('2', leer, "\nJST-9\n").replace(32, 4, "\xff\xff\xff\xff")));
    // The footer must follow the second block directly.
    EXPECT_FALSE(TZifFusszeile(TZifDaten('2', leer, "xJST-9\n")));
}

TEST(TZif, FusszeileDerZonenDatenbank)
{
    const std::string pfad = "/usr/share/zoneinfo/Europe/Berlin";
    if (!std::filesystem::exists(pfad))
        GTEST_SKIP() << "no zone database on this machine";
    EXPECT_EQ(TZifFusszeileAusDatei(pfad), "CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_FALSE(TZifFusszeileAusDatei("/usr/share/zoneinfo/Gibt/Es/Nicht"));
}

// Sets TZ for the lifetime of the object; the clock of the test stands at a fixed instant.
class TZGuard {
public:
    explicit TZGuard(const char* wert)
    {
        if (const char* alt = std::getenv("TZ"))
            m_Alt = alt;
        setenv("TZ", wert, 1);
        tzset();
    }
    ~TZGuard()
    {
        if (m_Alt)
            setenv("TZ", m_Alt->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> m_Alt;
};

// The local zone read from the environment, with no provider installed.
class LokaleZoneTest : public ::testing::Test {
protected:
    LokaleZoneTest()
        : m_Vorher(SetzeZonenregelQuelle({}))
    {
    }
    ~LokaleZoneTest() override { SetzeZonenregelQuelle(std::move(m_Vorher)); }

    // 1 July 2024, 12:00 UTC: daylight time in Berlin.
    test::UhrGuard m_Uhr{2024, 7, 1};
    test::RegionalGuard m_Regional;
    TZonenregelQuelle m_Vorher;
};

TEST_F(LokaleZoneTest, BerlinAusDerZonenDatenbank)
{
    if (!std::filesystem::exists("/usr/share/zoneinfo/Europe/Berlin"))
        GTEST_SKIP() << "no zone database on this machine";
    TZGuard tz("Europe/Berlin");
    const TSommerzeitInfoRec r = SommerzeitInfo(kzbGerman, 50995);  // 1 July 1998
    EXPECT_EQ(r.BeginnText, "letzter Sonntag (29.03.) im März um 02:00 Uhr");
    EXPECT_EQ(r.EndeText, "letzter Sonntag (25.10.) im Oktober um 03:00 Uhr");
    EXPECT_EQ(r.NormalzeitName, "CET");
    EXPECT_DOUBLE_EQ(static_cast<double>(r.SommerzeitOffset), 2.0);

    // The standard basis takes each year from the zone's recorded changes (zdump -v).
    struct Fall {
        Extended mjd;
        const char* beginn;
        const char* ende;
    };
    const std::vector<Fall> faelle = {
        {38942, "keine Sommerzeit definiert", "keine Sommerzeit definiert"},  // 1 July 1965
        {48073, "letzter Sonntag (25.03.) im März um 02:00 Uhr",
         "letzter Sonntag (30.09.) im September um 03:00 Uhr"},  // 1 July 1990
    };
    for (const Fall& f : faelle) {
        const TSommerzeitInfoRec s = SommerzeitInfo(kzbStandard, f.mjd);
        EXPECT_EQ(s.BeginnText, f.beginn);
        EXPECT_EQ(s.EndeText, f.ende);
    }
}

TEST_F(LokaleZoneTest, StatusDesGegenwaertigenAugenblicks)
{
    // 1 July 2024 12:00 UTC and 15 January 2024 12:00 UTC, as seconds since 1970.
    constexpr std::time_t Juli = 1719835200, Januar = 1705320000;
    struct Fall {
        const char* tz;
        std::time_t jetzt;
        int status;
    };
    const std::vector<Fall> faelle = {
        {"CET-1CEST,M3.5.0,M10.5.0/3", Juli, 2},
        {"CET-1CEST,M3.5.0,M10.5.0/3", Januar, 1},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", Januar, 2},
        {"JST-9", Juli, 0},
        {":Gibt/Es/Nicht", Juli, 0},
        {"", Juli, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.tz);
        TZGuard tz(f.tz);
        const TUhr vorher = SetzeUhr([&] {
            TZeitpunkt z;
            z.Utc = f.jetzt;
            return z;
        });
        const TZonenregelStand s = SystemZonenregel(2024);
        SetzeUhr(vorher);
        EXPECT_EQ(s.Status, f.status);
        if (f.status == 0) {
            EXPECT_EQ(s.Regel.DaylightDate.wMonth, 0);
        }
    }
}

}  // namespace
}  // namespace lunoria
