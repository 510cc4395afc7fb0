#pragma once
// The user's regional settings as one snapshot, read through a replaceable provider at every
// use. The calendar code never writes them.

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

// The settings in force now, from the installed provider.
TRegionaleEinstellungen RegionaleEinstellungen();

// Installs a provider (an empty one restores the German settings); returns the previous one.
TRegionalQuelle SetzeRegionalQuelle(TRegionalQuelle quelle);

}  // namespace lunoria
