// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The user's regional settings as one snapshot, taken from a replaceable provider when it is
// installed. The calendar code never writes them.

#include <array>
#include <functional>
#include <string>

namespace lunoria {

struct TRegionaleEinstellungen {
    std::string KurzesDatumsformat;            // e.g. "dd.MM.yyyy"; only its first character decides the order
    std::string LangesDatumsformat;            // e.g. "dddd, d. MMMM yyyy"
    std::string DatumsTrenner;                 // one character (UTF-8), e.g. "."
    std::string ZeitTrenner;                   // one character (UTF-8), e.g. ":"
    std::array<std::string, 7> LangeTagNamen;  // Sunday first
    std::array<std::string, 7> KurzeTagNamen;  // Sunday first
    std::array<std::string, 12> LangeMonatsNamen;
    std::array<std::string, 12> KurzeMonatsNamen;
    std::string Dezimaltrenner;    // e.g. ","
    std::string Tausendertrenner;  // e.g. "."
};

using TRegionalQuelle = std::function<TRegionaleEinstellungen()>;

// German settings: the programs' own language, and what they use without a provider.
TRegionaleEinstellungen DeutscheEinstellungen();

// The settings in force now: the snapshot the installed provider gave when it was installed.
// The texts of one date ask for it some ten to twenty times, so it is handed out, not copied.
// The reference is to one object that lives as long as the program and is never moved: it
// stays valid, but installing a provider overwrites its fields, so a caller that needs the
// earlier values across SetzeRegionalQuelle copies them.
const TRegionaleEinstellungen& RegionaleEinstellungen();

// Installs a provider (an empty one restores the German settings) and asks it once for the
// settings that RegionaleEinstellungen() answers with from then on; returns the previous
// provider. The system's settings do not change while a program runs (Qt reads the locale at
// start), so one answer serves every later use.
TRegionalQuelle SetzeRegionalQuelle(TRegionalQuelle quelle);

}  // namespace lunoria
