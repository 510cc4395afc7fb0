// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include <string>

#include <gtest/gtest.h>

#include "calendar/regional.h"
#include "testquellen.h"

namespace lunoria {
namespace {

using test::RegionalGuard;

TRegionaleEinstellungen MitTrenner(const char* trenner)
{
    TRegionaleEinstellungen e = DeutscheEinstellungen();
    e.DatumsTrenner = trenner;
    return e;
}

// The provider is asked once, when it is installed; every later use answers from the same
// object, which a swap of providers overwrites but never moves, and putting the previous
// provider back brings its settings back.
TEST(Regional, ProviderAskedOnceAtInstallingAndSettingsHandedOutInPlace)
{
    RegionalGuard aussen(MitTrenner("/"));
    const TRegionaleEinstellungen* const ort = &RegionaleEinstellungen();
    const std::string& trenner = RegionaleEinstellungen().DatumsTrenner;
    EXPECT_EQ(trenner, "/");

    int gefragt = 0;
    TRegionalQuelle vorher = SetzeRegionalQuelle([&gefragt] {
        ++gefragt;
        return MitTrenner("-");
    });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(RegionaleEinstellungen().DatumsTrenner, "-");
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(&RegionaleEinstellungen(), ort);
    EXPECT_EQ(trenner, "-");  // the reference taken before the swap sees the new settings

    SetzeRegionalQuelle({});
    EXPECT_EQ(RegionaleEinstellungen().DatumsTrenner, ".");  // no provider: German settings
    EXPECT_EQ(RegionaleEinstellungen().LangeMonatsNamen[2], "März");

    SetzeRegionalQuelle(std::move(vorher));
    EXPECT_EQ(trenner, "/");
    EXPECT_EQ(&RegionaleEinstellungen(), ort);
    EXPECT_EQ(gefragt, 1);
}

// A provider may build on the settings in force when it is installed: it is asked before they
// change.
TEST(Regional, ProviderBuildsOnTheSettingsInForce)
{
    RegionalGuard aussen(MitTrenner("/"));
    TRegionaleEinstellungen vorgefunden;
    {
        RegionalGuard innen(MitTrenner("-"));
        TRegionalQuelle vorher = SetzeRegionalQuelle([&vorgefunden] {
            vorgefunden = RegionaleEinstellungen();
            TRegionaleEinstellungen e = vorgefunden;
            e.ZeitTrenner = ".";
            return e;
        });
        EXPECT_EQ(vorgefunden.DatumsTrenner, "-");
        EXPECT_EQ(RegionaleEinstellungen().DatumsTrenner, "-");
        EXPECT_EQ(RegionaleEinstellungen().ZeitTrenner, ".");
        SetzeRegionalQuelle(std::move(vorher));
    }
    EXPECT_EQ(RegionaleEinstellungen().DatumsTrenner, "/");
    EXPECT_EQ(RegionaleEinstellungen().ZeitTrenner, ":");
}

}  // namespace
}  // namespace lunoria
