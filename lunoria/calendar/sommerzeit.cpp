// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "sommerzeit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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
    // German clock time is central European time, whatever the system zone.
    regel = MitteleuropaeischeZonenregel().Regel;

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
        // An end on 31 December at 0 h is the end of the year: summer time went on into the
        // next one (1940-1942).
        if (regel.StandardDate.wMonth == 12 && regel.StandardDate.wDay == 5 && regel.StandardDate.wHour == 0 &&
            TagVon(RegelDatum(jahr, regel.StandardDate)) == 31)
            regel.StandardDate.wHour = 24;
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

namespace {

// The local day and clock time read just before a change, as a change of the year's texts.
TSommerzeitWechsel WechselAus(const TZonenWechsel& w)
{
    const Extended lokal = MJDvon1970 + (static_cast<Extended>(w.Utc) + w.Von.Offset) / 86400;
    // To the minute, so that 01:59:59.5 reads 02:00 on its own day.
    const Extended minuten = std::round(lokal * 1440);
    TSommerzeitWechsel x;
    x.MJD = std::floor(minuten / 1440);
    x.Tag = TagVon(x.MJD);
    x.Monat = MonatVon(x.MJD);
    x.Zeit = (minuten - x.MJD * 1440) / 60;
    x.Offset = w.Von.Offset;
    return x;
}

TSystemZeitRegel RegelAus(const TSommerzeitWechsel& w)
{
    TSystemZeitRegel r;
    r.wMonth = w.Monat;
    r.wDayOfWeek = Wochentag(0, w.MJD);
    const int jahr = JahrVon(w.MJD);
    r.wDay = w.Tag + 7 > TageImMonat(w.Monat, jahr) ? 5 : (w.Tag - 1) / 7 + 1;
    const int minuten = static_cast<int>(std::lround(w.Zeit * 60));
    r.wHour = minuten / 60;
    r.wMinute = minuten % 60;
    return r;
}

}  // namespace

TSommerzeitInfoRec SommerzeitInfo(TKalenderZeitBasis basis, Extended mjd)
{
    TSommerzeitInfoRec rec;
    rec.Basis = basis;
    const int jahr = JahrVon(mjd);
    const Extended anfang = UtcAusLokal(basis, MJDAusDatum(1, 1, jahr, 0));
    const Extended ende = UtcAusLokal(basis, MJDAusDatum(1, 1, jahr + 1, 0));
    // The changes whose clock reading before the change is a day of the year.
    const TZonenVerlauf v = ZonenVerlauf(basis, SekundenAusMJD(anfang) - 86400, SekundenAusMJD(ende) + 86400);
    std::vector<std::pair<TZonenWechsel, TSommerzeitWechsel>> wechsel;
    for (const TZonenWechsel& w : v.Wechsel) {
        const TSommerzeitWechsel x = WechselAus(w);
        if (JahrVon(x.MJD) == jahr)
            wechsel.emplace_back(w, x);
    }
    const TTZifTyp amAnfang = wechsel.empty() ? ZonenZeitAm(basis, anfang) : wechsel.front().first.Von;
    const TTZifTyp amSchluss = wechsel.empty() ? amAnfang : wechsel.back().first.Nach;

    // A zone that marks the smaller offset of a pair as its daylight time (a negative save) has
    // its summer in the unmarked time.
    bool umgekehrt = false;
    for (const auto& [w, x] : wechsel) {
        if (w.Von.Sommerzeit == w.Nach.Sommerzeit)
            continue;
        const TTZifTyp& markiert = w.Von.Sommerzeit ? w.Von : w.Nach;
        const TTZifTyp& andere = w.Von.Sommerzeit ? w.Nach : w.Von;
        if (markiert.Offset < andere.Offset)
            umgekehrt = true;
    }
    const auto sommer = [umgekehrt](const TTZifTyp& t) { return t.Sommerzeit != umgekehrt; };

    // The first standard and the first summer time of the year name the two.
    const TTZifTyp* normal = nullptr;
    const TTZifTyp* sommerzeit = nullptr;
    const auto merke = [&](const TTZifTyp& t) {
        const TTZifTyp*& erste = sommer(t) ? sommerzeit : normal;
        if (!erste)
            erste = &t;
    };
    merke(amAnfang);
    for (const auto& [w, x] : wechsel) {
        merke(w.Von);
        merke(w.Nach);
        if (!sommer(w.Von) && sommer(w.Nach))
            rec.Beginne.push_back(x);
        else if (sommer(w.Von) && !sommer(w.Nach))
            rec.Enden.push_back(x);
    }
    // A year all in summer time names the standard time last in force before it.
    TTZifTyp zuvor = amAnfang;
    if (!normal) {
        const TZonenVerlauf frueher = ZonenVerlauf(basis, SekundenAusMJD(anfang) - 5 * 366 * 86400L,
                                                   SekundenAusMJD(anfang));
        if (!sommer(frueher.Anfang))
            zuvor = frueher.Anfang;
        for (const TZonenWechsel& w : frueher.Wechsel)
            if (!sommer(w.Von))
                zuvor = w.Von;
    }
    const TTZifTyp& basisZeit = normal ? *normal : zuvor;
    rec.NormalzeitName = basisZeit.Name;
    rec.NormalzeitOffset = static_cast<Extended>(basisZeit.Offset) / 3600 + 0;  // +0, never -0

    if (!sommerzeit) {
        rec.BeginnText = KalenderText(ktKeineSommerzeit);
        rec.EndeText = KalenderText(ktKeineSommerzeit);
        return rec;
    }
    // A year that begins in summer time without a start of its own starts it on 1 January at
    // 00:00; one that ends in it without an end ends it on 31 December at 24:00.
    if (rec.Beginne.empty() && sommer(amAnfang)) {
        const Extended neujahr = MJDAusDatum(1, 1, jahr, 0);
        rec.Beginne.push_back({1, 1, 0, neujahr, amAnfang.Offset});
    }
    if (rec.Enden.empty() && sommer(amSchluss)) {
        const Extended silvester = MJDAusDatum(31, 12, jahr, 0);
        rec.Enden.push_back({31, 12, 24, silvester, amSchluss.Offset});
    }
    rec.SommerzeitName = sommerzeit->Name;
    rec.SommerzeitOffset = static_cast<Extended>(sommerzeit->Offset) / 3600 + 0;
    rec.ZonenStatus = sommer(ZonenZeitAm(basis, UtcAusLokal(basis, std::floor(mjd) + 0.5L))) ? 2 : 1;

    const auto& e = RegionaleEinstellungen();
    const auto fuelle = [&e](const TSommerzeitWechsel& w, TWechselFelder f) {
        const TSystemZeitRegel r = RegelAus(w);
        f.MJD = w.MJD;
        f.Wochentag = Wochentag(1, w.MJD);
        f.Tag = w.Tag;
        f.Monat = w.Monat;
        f.Zeit = w.Zeit;
        f.Text = RegelText(r, w.Tag, w.Monat, e);
    };
    if (!rec.Beginne.empty())
        fuelle(rec.Beginne.front(),
               {rec.BeginnWochentag, rec.BeginnTag, rec.BeginnMonat, rec.BeginnZeit, rec.BeginnMJD, rec.BeginnText});
    else
        rec.BeginnText = KalenderText(ktKeineSommerzeit);
    if (!rec.Enden.empty())
        fuelle(rec.Enden.back(),
               {rec.EndeWochentag, rec.EndeTag, rec.EndeMonat, rec.EndeZeit, rec.EndeMJD, rec.EndeText});
    else
        rec.EndeText = KalenderText(ktKeineSommerzeit);
    return rec;
}

bool IstSommerzeit(const TSommerzeitInfoRec& rec, Extended mjd)
{
    if (rec.ZonenStatus == 0)
        return false;
    return SommerzeitInfo(rec.Basis, mjd).ZonenStatus == 2;
}

Extended ZeitZonenOffsetAm(Extended mjd)
{
    return OffsetStundenAm(kzbGerman, UtcAusLokal(kzbGerman, std::floor(mjd) + 0.5L));
}

}  // namespace lunoria
