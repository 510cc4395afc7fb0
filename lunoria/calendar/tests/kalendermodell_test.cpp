// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The month grid's date model without a window: navigation, clamping and the status codes.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "calendar/kalendermodell.h"
#include "calendar/tests/testquellen.h"

namespace lunoria {
namespace {

struct Datum {
    int tag, monat, jahr;
};

class KalenderModell : public ::testing::Test {
protected:
    test::RegionalGuard m_Regional;
    test::UhrGuard m_Uhr{1998, 5, 23, 12, 0};
    test::MeldungsRecorder m_Meldungen;
};

TEST_F(KalenderModell, NavigationKeepsTheDayWhereTheMonthHasIt)
{
    const struct {
        Datum start;
        std::function<void(TKalenderModell&)> tun;
        Datum ziel;
        TKalenderFehler fehler;
    } faelle[] = {
        {{31, 1, 2001}, [](TKalenderModell& m) { m.MonatBlaettern(1); }, {28, 2, 2001}, kfKeiner},
        {{15, 1, 2000}, [](TKalenderModell& m) { m.MonatBlaettern(0); }, {15, 12, 1999}, kfKeiner},
        {{31, 3, 2000}, [](TKalenderModell& m) { m.MonatSetzen(2); }, {29, 2, 2000}, kfKeiner},
        {{31, 3, 2000}, [](TKalenderModell& m) { m.MonatSetzen(13); }, {31, 12, 2000}, kfKeiner},
        {{10, 2, 2001}, [](TKalenderModell& m) { m.TagSetzen(31); }, {28, 2, 2001}, kfKeiner},
        {{10, 2, 2001}, [](TKalenderModell& m) { m.TagSetzen(-3); }, {1, 2, 2001}, kfKeiner},
        {{29, 2, 2000}, [](TKalenderModell& m) { m.JahrSetzen(2001); }, {1, 3, 2001}, kfKeiner},
        {{1, 6, 2000},
         [](TKalenderModell& m) { m.setMaxJahr(9999), m.JahrSetzen(10000); },
         {31, 12, 9999},
         kfNachMaxJahr},
        {{1, 6, 2000}, [](TKalenderModell& m) { m.setMinJahr(1000), m.JahrSetzen(999); }, {1, 1, 1000}, kfVorMinJahr},
        {{1, 6, 2000},
         [](TKalenderModell& m) { m.ModJulDatSetzen(MJDAusDatum(1, 1, 5879491, 0)); },
         {31, 12, 5879490},
         kfNachMaxJahr},
        {{1, 6, 2000}, [](TKalenderModell& m) { m.setDatumWert(61); }, {1, 3, 1900}, kfKeiner},
        {{1, 6, 2000}, [](TKalenderModell& m) { m.setDatumZeit(-200000); }, {15, 10, 1582}, kfKeiner},
        {{1, 6, 2000}, [](TKalenderModell& m) { m.TextDatumSetzen("31.02.1998"); }, {1, 6, 2000}, kfUnlesbarerText},
        // A value that cannot be split shows the system date.
        {{1, 6, 2000},
         [](TKalenderModell& m) { m.ModJulDatSetzen(std::numeric_limits<Extended>::infinity()); },
         {23, 5, 1998},
         kfUngueltigesDatum},
    };
    for (const auto& f : faelle) {
        TKalenderModell m;
        m.ModJulDatSetzen(MJDAusDatum(f.start.tag, f.start.monat, f.start.jahr, 0));
        f.tun(m);
        const std::string wo = std::to_string(f.start.tag) + "." + std::to_string(f.start.monat) + "." +
                               std::to_string(f.start.jahr) + " -> " + std::to_string(f.ziel.tag);
        EXPECT_EQ(m.Day(), f.ziel.tag) << wo;
        EXPECT_EQ(m.Monat(), f.ziel.monat) << wo;
        EXPECT_EQ(m.Jahr(), f.ziel.jahr) << wo;
        EXPECT_EQ(m.AktDatum(), MJDAusDatum(m.Day(), m.Monat(), m.Jahr(), 0)) << wo;
        EXPECT_EQ(m.Fehler(), f.fehler) << wo;
    }
}

TEST_F(KalenderModell, StatusOfOneOperationDoesNotSteerTheNext)
{
    TKalenderModell m;
    m.ModJulDatSetzen(MJDAusDatum(10, 1, 2005, 0));
    EXPECT_FALSE(m.TextDatumSetzen("kein Datum"));
    m.TagWaehlen(12);  // a pick after a failed text is no jump to today
    EXPECT_EQ(m.AktDatum(), MJDAusDatum(12, 1, 2005, 0));
    EXPECT_EQ(m.Fehler(), kfKeiner);

    m.setStartWochentag(0);
    EXPECT_EQ(m.KalenderWoche(), -1);
    EXPECT_EQ(m.Fehler(), kfKeineKalenderwoche);
    m.setStartWochentag(9);  // out of range: Monday
    EXPECT_EQ(m.KalenderWoche(), 2);
    EXPECT_EQ(m.KalenderWocheStart(), MJDAusDatum(10, 1, 2005, 0));
    EXPECT_EQ(m.Fehler(), kfKeiner);

    m.ModJulDatSetzen(MJDAusDatum(15, 6, 1850, 0));
    EXPECT_EQ(m.DatumWert(), 1);
    EXPECT_EQ(m.Fehler(), kfKeinDatumWert);
    m.ModJulDatSetzen(MJDAusDatum(1, 1, 12000, 0));
    EXPECT_EQ(m.DatumZeit(), DateTimeAusMJD(MJDAusDatum(23, 5, 1998, 0)));
    EXPECT_EQ(m.Fehler(), kfKeinDateTime);
    m.ZumSystemDatum();
    EXPECT_EQ(m.AktDatum(), MJDAusDatum(23, 5, 1998, 0));
    EXPECT_EQ(m.TageImJahr(), 365);
    EXPECT_EQ(m.TagImJahr(), 143);
}

}  // namespace
}  // namespace lunoria
