// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calendar/julian.h"
#include "calendar/sommerzeit.h"
#include "calendar/tzif.h"
#include "calendar/zonenregel.h"
#include "testquellen.h"
#include "zonenregelguard.h"

namespace lunoria {
namespace {

using test::RegionalGuard;
using test::ZonenregelGuard;

void Gross(std::string& s, std::uint64_t wert, int bytes)
{
    for (int b = bytes - 1; b >= 0; --b)
        s += static_cast<char>((wert >> (8 * b)) & 0xff);
}

struct TTyp {
    std::int32_t offset;
    bool sommer;
    std::uint8_t name;
};

// Version 2 data: an empty version 1 part, the 64-bit table, the footer.
std::string TZifDaten(const std::vector<std::int64_t>& zeiten, const std::vector<std::uint8_t>& nach,
                      const std::vector<TTyp>& typen, const std::string& namen, const std::string& fuss)
{
    const auto kopf = [](std::string& s, std::vector<std::uint64_t> zahlen) {
        s += "TZif2";
        s.append(15, '\0');
        for (const std::uint64_t z : zahlen)
            Gross(s, z, 4);
    };
    std::string s;
    kopf(s, {0, 0, 0, 0, 0, 0});
    kopf(s, {0, 0, 0, zeiten.size(), typen.size(), namen.size()});
    for (const std::int64_t t : zeiten)
        Gross(s, static_cast<std::uint64_t>(t), 8);
    for (const std::uint8_t i : nach)
        s += static_cast<char>(i);
    for (const TTyp& t : typen) {
        Gross(s, static_cast<std::uint32_t>(t.offset), 4);
        s += static_cast<char>(t.sommer);
        s += static_cast<char>(t.name);
    }
    return s + namen + "\n" + fuss + "\n";
}

// A made-up zone: local mean time +0:30 until 1950, then TNZ +1 with daylight time TSZ +2 in
// some years; the table ends with the start of 2010's daylight time, and the footer rule ends it
// and goes on. Instants are seconds since 1970 UTC of the local times noted.
std::string Testzone()
{
    const std::vector<std::int64_t> zeiten = {
        -(std::int64_t{1} << 59),  // far before any calendar: LMT to LMT
        -618107400,                // 1950-06-01 00:00 LMT
        8125200,                   // 1970-04-05 02:00 TNZ
        23245200,                  // 1970-09-27 03:00 TSZ
        320806800,                 // 1980-03-02 02:00 TNZ
        326250000,                 // 1980-05-04 03:00 TSZ
        331693200,                 // 1980-07-06 02:00 TNZ
        341370000,                 // 1980-10-26 03:00 TSZ
        642814200,                 // 1990-05-16 00:30 TNZ
        652139100,                 // 1990-08-31 23:45 TSZ
        973386000,                 // 2000-11-05 02:00 TNZ
        1012698000,                // 2002-02-03 03:00 TSZ
        1269738000,                // 2010-03-28 02:00 TNZ
    };
    const std::vector<std::uint8_t> nach = {0, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2};
    return TZifDaten(zeiten, nach, {{1800, false, 0}, {3600, false, 4}, {7200, true, 8}},
                     std::string("LMT\0TNZ\0TSZ\0", 12), "TNZ-1TSZ,M3.5.0,M10.5.0/3");
}

TZonenregelQuelle Geschichte(TTZifZone zone)
{
    return [zone = std::move(zone)](int jahr) { return ZonenregelAusTZif(zone, jahr); };
}

constexpr const char* Keine = "keine Sommerzeit definiert";

TEST(TZifGeschichte, JahreDerTestzone)
{
    // Written to a file and read back, as the program reads the local zone.
    const std::string pfad = ::testing::TempDir() + "lunoria_testzone.tzif";
    {
        std::ofstream f(pfad, std::ios::binary);
        f << Testzone();
    }
    const auto daten = TZifDateiInhalt(pfad);
    std::remove(pfad.c_str());
    ASSERT_TRUE(daten);
    const std::optional<TTZifZone> zone = LiesTZif(*daten);
    ASSERT_TRUE(zone);

    RegionalGuard regional;
    ZonenregelGuard quelle(Geschichte(*zone));
    struct Fall {
        int jahr;
        const char* beginn;
        const char* ende;
        double normal;
        const char* normalName;
    };
    const std::vector<Fall> faelle = {
        {1940, Keine, Keine, 0.5, "LMT"},  // before the first change of the calendar era
        {1950, Keine, Keine, 1, "TNZ"},    // a new standard time, no daylight time
        {1960, Keine, Keine, 1, "TNZ"},
        {1970, "erster Sonntag (5.04.) im April um 02:00 Uhr", "letzter Sonntag (27.09.) im September um 03:00 Uhr", 1,
         "TNZ"},
        // Two periods: the first start and the last end.
        {1980, "erster Sonntag (2.03.) im März um 02:00 Uhr", "letzter Sonntag (26.10.) im Oktober um 03:00 Uhr", 1,
         "TNZ"},
        {1990, "dritter Mittwoch (16.05.) im Mai um 00:30 Uhr", "letzter Freitag (31.08.) im August um 23:45 Uhr", 1,
         "TNZ"},
        // Daylight time from November 2000 to February 2002, all through 2001.
        {2000, "erster Sonntag (5.11.) im November um 02:00 Uhr", "letzter Sonntag (31.12.) im Dezember um 24:00 Uhr",
         1, "TNZ"},
        {2001, "erster Montag (1.01.) im Januar um 00:00 Uhr", "letzter Montag (31.12.) im Dezember um 24:00 Uhr", 1,
         "TNZ"},
        {2002, "erster Dienstag (1.01.) im Januar um 00:00 Uhr", "erster Sonntag (3.02.) im Februar um 03:00 Uhr", 1,
         "TNZ"},
        // The table's last change starts 2010's period; the footer rule ends it.
        {2010, "letzter Sonntag (28.03.) im März um 02:00 Uhr", "letzter Sonntag (31.10.) im Oktober um 03:00 Uhr", 1,
         "TNZ"},
        {2024, "letzter Sonntag (31.03.) im März um 02:00 Uhr", "letzter Sonntag (27.10.) im Oktober um 03:00 Uhr", 1,
         "TNZ"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.jahr);
        const TSommerzeitInfoRec r = SommerzeitInfo(kzbStandard, MJDAusDatum(1, 7, f.jahr, 0));
        const bool sommer = f.beginn != Keine;
        EXPECT_EQ(r.ZonenStatus != 0, sommer);
        EXPECT_EQ(r.BeginnText, f.beginn);
        EXPECT_EQ(r.EndeText, f.ende);
        EXPECT_DOUBLE_EQ(static_cast<double>(r.NormalzeitOffset), f.normal);
        EXPECT_EQ(r.NormalzeitName, f.normalName);
        EXPECT_DOUBLE_EQ(static_cast<double>(r.SommerzeitOffset), sommer ? 2.0 : 0.0);
        EXPECT_EQ(r.SommerzeitName, sommer ? "TSZ" : "");
    }
}

TEST(TZifGeschichte, UngueltigeDaten)
{
    const std::string gut = Testzone();
    ASSERT_TRUE(LiesTZif(gut));
    // Every cut leaves the footer open or the table short.
    for (std::size_t n = 0; n < gut.size(); ++n)
        ASSERT_FALSE(LiesTZif(gut.substr(0, n))) << n;

    const std::size_t kopf2 = 44, zeiten = kopf2 + 44, nach = zeiten + 13 * 8, typen = nach + 13;
    const auto mit = [&](std::size_t pos, const std::string& bytes) {
        return std::string(gut).replace(pos, bytes.size(), bytes);
    };
    const std::vector<std::pair<const char*, std::string>> faelle = {
        {"type index beyond the types", mit(nach + 2, "\x03")},
        {"instants out of order", mit(zeiten + 8 * 3, std::string(8, '\0'))},
        {"designation beyond the names", mit(typen + 5, "\x0c")},
        {"daylight flag not 0 or 1", mit(typen + 4, "\x02")},
        {"offset of two days", mit(typen, std::string("\x00\x02\xa3\x00", 4))},
        {"no types", TZifDaten({}, {}, {}, std::string("UTC\0", 4), "UTC0")},
        {"more instants than data", mit(kopf2 + 32, "\xff\xff\xff\xff")},
        {"version 2 part missing", gut.substr(0, kopf2) + "TZof" + gut.substr(kopf2 + 4)},
    };
    for (const auto& [grund, daten] : faelle)
        EXPECT_FALSE(LiesTZif(daten)) << grund;

    // A zone with only a footer follows it in every year.
    const auto nurFuss = LiesTZif(
        TZifDaten({}, {}, {{3600, false, 0}}, std::string("TNZ\0", 4), "TNZ-1TSZ,M3.5.0,M10.5.0/3"));
    ASSERT_TRUE(nurFuss);
    EXPECT_EQ(ZonenregelAusTZif(*nurFuss, 1900).Regel.DaylightDate.wMonth, 3);
}

// The machine's zone database, against the changes zdump -v lists for these years (Berlin's
// 1965 and 1990 go through the local zone in posixtz_test).
TEST(TZifGeschichte, ZonenDatenbank)
{
    RegionalGuard regional;
    struct Fall {
        const char* zone;
        int jahr;
        const char* beginn;
        const char* ende;
        double normal, sommer;
    };
    const std::vector<Fall> faelle = {
        {"Europe/Berlin", 2024, "letzter Sonntag (31.03.) im März um 02:00 Uhr",
         "letzter Sonntag (27.10.) im Oktober um 03:00 Uhr", 1, 2},
        {"America/New_York", 2006, "erster Sonntag (2.04.) im April um 02:00 Uhr",
         "letzter Sonntag (29.10.) im Oktober um 02:00 Uhr", -5, -4},
        {"America/New_York", 2007, "zweiter Sonntag (11.03.) im März um 02:00 Uhr",
         "erster Sonntag (4.11.) im November um 02:00 Uhr", -5, -4},
        // Southern hemisphere: the period that starts in October ends in the next year.
        {"Australia/Sydney", 2007, "letzter Sonntag (28.10.) im Oktober um 02:00 Uhr",
         "letzter Sonntag (25.03.) im März um 03:00 Uhr", 10, 11},
        {"Australia/Sydney", 2008, "erster Sonntag (5.10.) im Oktober um 02:00 Uhr",
         "erster Sonntag (6.04.) im April um 03:00 Uhr", 10, 11},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.zone) + " " + std::to_string(f.jahr));
        const std::string pfad = std::string("/usr/share/zoneinfo/") + f.zone;
        if (!std::filesystem::exists(pfad))
            GTEST_SKIP() << "no " << pfad << " on this machine";
        const auto daten = TZifDateiInhalt(pfad);
        ASSERT_TRUE(daten);
        const auto zone = LiesTZif(*daten);
        ASSERT_TRUE(zone);
        ZonenregelGuard quelle(Geschichte(*zone));
        const TSommerzeitInfoRec r = SommerzeitInfo(kzbStandard, MJDAusDatum(1, 7, f.jahr, 0));
        EXPECT_EQ(r.BeginnText, f.beginn);
        EXPECT_EQ(r.EndeText, f.ende);
        EXPECT_DOUBLE_EQ(static_cast<double>(r.NormalzeitOffset), f.normal);
        EXPECT_DOUBLE_EQ(static_cast<double>(r.SommerzeitOffset), f.sommer);
    }
}

}  // namespace
}  // namespace lunoria
