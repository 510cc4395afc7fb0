// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <QLocale>
#include <QTimeZone>

#include <gtest/gtest.h>

#include "app/zonennamen.h"

namespace lunoria {
namespace {

TEST(ZonenNamen, VersatzNamenZaehlenNicht)
{
    for (const char* name : {"", "GMT", "UTC", "GMT+01:00", "GMT-5", "UTC+10:30", "+0330", "GMT\u221203:00"})
        EXPECT_TRUE(IstVersatzName(name)) << name;
    for (const char* name : {"Mitteleuropäische Normalzeit", "Eastern Standard Time", "MEZ", "CEST"})
        EXPECT_FALSE(IstVersatzName(name)) << name;
}

TEST(ZonenNamen, LangeNamenErsetzenDieAbkuerzungen)
{
    const TZonenNamen namen{"Mitteleuropäische Normalzeit", "Mitteleuropäische Sommerzeit"};
    const TZonenregelStand cet = MitteleuropaeischeZonenregel();

    const TZonenregelStand lang = MitLangenNamen(cet, namen, 3600);
    EXPECT_EQ(lang.Regel.StandardName, "Mitteleuropäische Normalzeit");
    EXPECT_EQ(lang.Regel.DaylightName, "Mitteleuropäische Sommerzeit");
    EXPECT_EQ(lang.Regel.Bias, -60);

    // Qt sees another zone than the rule: the abbreviations stay.
    const TZonenregelStand fremd = MitLangenNamen(cet, namen, 0);
    EXPECT_EQ(fremd.Regel.StandardName, "CET");
    EXPECT_EQ(fremd.Regel.DaylightName, "CEST");

    // No long name from Qt, and a zone without daylight time gets no daylight name.
    EXPECT_EQ(MitLangenNamen(cet, {"", ""}, 3600).Regel.StandardName, "CET");
    const TZonenregelStand japan = MitLangenNamen(ZonenregelAusText("JST-9", 2024), {"Japanische Normalzeit", "x"},
                                                  32400);
    EXPECT_EQ(japan.Regel.StandardName, "Japanische Normalzeit");
    EXPECT_EQ(japan.Regel.DaylightName, "");
}

TEST(ZonenNamen, BerlinAufDeutsch)
{
    const QTimeZone berlin("Europe/Berlin");
    if (!berlin.isValid())
        GTEST_SKIP() << "Qt knows no Europe/Berlin here";
    const TZonenNamen namen = QtZonenNamen(berlin, QLocale(QLocale::German, QLocale::Germany));
    if (namen.Normalzeit.empty())
        GTEST_SKIP() << "Qt gives no long zone names here (built without ICU)";
    EXPECT_EQ(namen.Normalzeit, "Mitteleuropäische Normalzeit");
    EXPECT_EQ(namen.Sommerzeit, "Mitteleuropäische Sommerzeit");
    // The C locale asks for German as well.
    EXPECT_EQ(QtZonenNamen(berlin, QLocale::c()).Normalzeit, "Mitteleuropäische Normalzeit");
}

}  // namespace
}  // namespace lunoria
