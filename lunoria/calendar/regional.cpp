// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "regional.h"

#include <utility>

namespace lunoria {

namespace {

// The installed provider and the snapshot it gave. German settings until a provider is
// installed.
struct TRegionalStand {
    TRegionalQuelle Quelle;
    TRegionaleEinstellungen Einstellungen = DeutscheEinstellungen();
};

TRegionalStand& Stand()
{
    static TRegionalStand stand;
    return stand;
}

}  // namespace

TRegionaleEinstellungen DeutscheEinstellungen()
{
    TRegionaleEinstellungen e;
    e.KurzesDatumsformat = "dd.MM.yyyy";
    e.LangesDatumsformat = "dddd, d. MMMM yyyy";
    e.DatumsTrenner = ".";
    e.ZeitTrenner = ":";
    e.LangeTagNamen = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    e.KurzeTagNamen = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    e.LangeMonatsNamen = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                          "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    e.KurzeMonatsNamen = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    e.Dezimaltrenner = ",";
    e.Tausendertrenner = ".";
    return e;
}

const TRegionaleEinstellungen& RegionaleEinstellungen()
{
    return Stand().Einstellungen;
}

TRegionalQuelle SetzeRegionalQuelle(TRegionalQuelle quelle)
{
    TRegionalStand& stand = Stand();
    // Asked before anything changes: a provider may build on the settings in force.
    TRegionaleEinstellungen neu = quelle ? quelle() : DeutscheEinstellungen();
    stand.Einstellungen = std::move(neu);
    return std::exchange(stand.Quelle, std::move(quelle));
}

}  // namespace lunoria
