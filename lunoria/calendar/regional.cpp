#include "regional.h"

#include <utility>

namespace lunoria {

namespace {
TRegionalQuelle& Quelle()
{
    static TRegionalQuelle quelle;
    return quelle;
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

TRegionaleEinstellungen RegionaleEinstellungen()
{
    const TRegionalQuelle& q = Quelle();
    return q ? q() : DeutscheEinstellungen();
}

TRegionalQuelle SetzeRegionalQuelle(TRegionalQuelle quelle)
{
    return std::exchange(Quelle(), std::move(quelle));
}

}  // namespace lunoria
