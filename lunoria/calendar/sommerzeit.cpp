#include "sommerzeit.h"

#include <algorithm>

#include "datumstext.h"
#include "julian.h"
#include "regional.h"
#include "texte.h"
#include "zahlformat.h"
#include "zonenregel.h"

namespace lunoria {

namespace {

bool HatMonat(const TSystemZeitRegel& r)
{
    return r.wMonth >= 1 && r.wMonth <= 12;
}

void OhneWechsel(TSystemZeitRegel& r)
{
    r.wMonth = 0;
    r.wDayOfWeek = 0;
    r.wDay = 0;
    r.wHour = 0;
}

// e.g. "letzter Sonntag (29.03.) im März um 02:00 Uhr"
std::string RegelText(const TSystemZeitRegel& r, int tag, int monat, const TRegionaleEinstellungen& e)
{
    const std::string wochentag = r.wDayOfWeek >= 0 && r.wDayOfWeek <= 6
                                      ? e.LangeTagNamen[static_cast<std::size_t>(r.wDayOfWeek)]
                                      : std::string();
    const std::string tagText = wochentag + " (" + Format("%d.%02d.", tag, monat) + ")";
    const std::string monatsName = HatMonat(r) ? e.LangeMonatsNamen[static_cast<std::size_t>(r.wMonth - 1)]
                                               : std::string();
    return Format(KalenderText(ktRegelFormat), VorkommenWort(r.wDay), tagText.c_str(), KalenderText(ktIm),
                  monatsName.c_str(), KalenderText(ktUm), r.wHour, e.ZeitTrenner.c_str(), r.wMinute,
                  KalenderText(ktUhr));
}

struct TWechselFelder {
    int& Wochentag;
    int& Tag;
    int& Monat;
    Extended& Zeit;
    Extended& MJD;
    std::string& Text;
};

void FuelleWechsel(int jahr, const TSystemZeitRegel& r, const TRegionaleEinstellungen& e, TWechselFelder f)
{
    f.MJD = RegelDatum(jahr, r);
    f.Wochentag = Wochentag(1, f.MJD);
    f.Tag = TagVon(f.MJD);
    f.Monat = MonatVon(f.MJD);
    f.Zeit = HMSZuStunden(r.wHour, r.wMinute, 0);
    f.Text = RegelText(r, f.Tag, f.Monat, e);
}

}  // namespace

Extended RegelDatum(int jahr, const TSystemZeitRegel& regel)
{
    if (!HatMonat(regel))
        return MJDAusDatum(1, 1, jahr, 0);
    int tag;
    if (regel.wDay >= 5) {
        tag = TagVon(LetzterWochentagImMonat(regel.wDayOfWeek, regel.wMonth, jahr));
    } else {
        // Occurrences below 1 count as the first; the fourth is always within the month.
        const int vorkommen = std::max(regel.wDay, 1);
        tag = TagVon(ErsterWochentagImMonat(regel.wDayOfWeek, regel.wMonth, jahr)) + (vorkommen - 1) * 7;
    }
    return MJDAusDatum(tag, regel.wMonth, jahr, 0);
}

int DeutscheSommerzeit(int jahr, Extended mjd, Zonenregel& regel)
{
    regel = SystemZonenregel(jahr).Regel;

    const auto zeile = std::find_if(SommerzeitTabelle.begin(), SommerzeitTabelle.end(),
                                    [jahr](const TSommerzeitTabellenZeile& z) { return z.Jahr == jahr; });
    if (zeile != SommerzeitTabelle.end()) {
        // The table gives day and hour; the minute and the biases stay the system's.
        const auto uebernimm = [](TSystemZeitRegel& ziel, const TSystemZeitRegel& quelle) {
            ziel.wDay = quelle.wDay;
            ziel.wDayOfWeek = quelle.wDayOfWeek;
            ziel.wMonth = quelle.wMonth;
            ziel.wHour = quelle.wHour;
        };
        uebernimm(regel.DaylightDate, zeile->Beginn);
        uebernimm(regel.StandardDate, zeile->Ende);
    } else if (jahr >= 1980 && jahr <= 1995 && HatMonat(regel.DaylightDate) && HatMonat(regel.StandardDate)) {
        regel.StandardDate.wMonth = 9;  // DST ended in September until 1995
        if (jahr == 1980) {
            // It came back on the first Sunday of April, 6 April 1980.
            regel.DaylightDate.wMonth = 4;
            regel.DaylightDate.wDayOfWeek = 0;
            regel.DaylightDate.wDay = 1;
        }
    } else {
        // No German DST this year, or a system zone without a daylight rule to build on.
        OhneWechsel(regel.DaylightDate);
        OhneWechsel(regel.StandardDate);
        return 0;
    }

    const Extended b = RegelDatum(jahr, regel.DaylightDate);
    const Extended e = RegelDatum(jahr, regel.StandardDate);
    return (b <= mjd && mjd <= e) ? 2 : 1;
}

TSommerzeitInfoRec SommerzeitInfo(TKalenderZeitBasis basis, Extended mjd)
{
    TSommerzeitInfoRec rec;
    const int jahr = JahrVon(mjd);

    Zonenregel regel;
    if (basis == kzbGerman && jahr < 1996) {
        rec.ZonenStatus = DeutscheSommerzeit(jahr, mjd, regel);
    } else {
        const TZonenregelStand stand = SystemZonenregel(jahr);
        regel = stand.Regel;
        rec.ZonenStatus = stand.Status;
    }
    // A daylight rule without both change dates cannot be placed in the year.
    if (!HatMonat(regel.DaylightDate) || !HatMonat(regel.StandardDate))
        rec.ZonenStatus = 0;

    rec.NormalzeitName = regel.StandardName;
    rec.NormalzeitOffset = static_cast<Extended>(-(regel.Bias + regel.StandardBias)) / 60;  // +0, never -0, for UTC

    if (rec.ZonenStatus == 0) {
        rec.BeginnText = KalenderText(ktKeineSommerzeit);
        rec.EndeText = KalenderText(ktKeineSommerzeit);
        return rec;
    }

    const auto& e = RegionaleEinstellungen();
    FuelleWechsel(jahr, regel.DaylightDate, e,
                  {rec.BeginnWochentag, rec.BeginnTag, rec.BeginnMonat, rec.BeginnZeit, rec.BeginnMJD, rec.BeginnText});
    FuelleWechsel(jahr, regel.StandardDate, e,
                  {rec.EndeWochentag, rec.EndeTag, rec.EndeMonat, rec.EndeZeit, rec.EndeMJD, rec.EndeText});

    rec.SommerzeitName = regel.DaylightName;
    rec.SommerzeitOffset = static_cast<Extended>(-(regel.Bias + regel.DaylightBias)) / 60;
    return rec;
}

bool IstSommerzeit(const TSommerzeitInfoRec& rec, Extended mjd)
{
    if (rec.ZonenStatus == 0)
        return false;
    if (rec.BeginnMJD <= rec.EndeMJD)
        return rec.BeginnMJD <= mjd && mjd < rec.EndeMJD;
    // Southern hemisphere: DST spans the turn of the year, so within one calendar year it runs
    // from the start day to the end of the year and from the year's beginning to the end day.
    return mjd >= rec.BeginnMJD || mjd < rec.EndeMJD;
}

Extended ZeitZonenOffsetAm(Extended mjd)
{
    const TSommerzeitInfoRec rec = SommerzeitInfo(kzbGerman, mjd);
    return IstSommerzeit(rec, mjd) ? rec.SommerzeitOffset : rec.NormalzeitOffset;
}

}  // namespace lunoria
