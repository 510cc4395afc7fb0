// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Zone rules from outside: POSIX TZ strings and TZif data. Whatever is accepted gives rules
// that name a real month, occurrence and weekday, and daylight-saving records whose days,
// times and offsets are ones a calendar and a clock have.

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/julian.h"
#include "calendar/posixtz.h"
#include "calendar/sommerzeit.h"
#include "calendar/tzif.h"
#include "calendar/zahlformat.h"
#include "calendar/zonenregel.h"
#include "eigenschaften.h"

namespace lunoria::fuzz {

namespace {

constexpr long GroessterPosixVersatz = 24 * 3600 + 59 * 60 + 59;
constexpr long GroessterWechsel = 167 * 3600 + 59 * 60 + 59;
constexpr long GroessterTZifVersatz = 26 * 3600;

std::string PruefeWechsel(const TPosixWechsel& w, const char* welcher)
{
    bool gut = std::labs(w.Sekunden) <= GroessterWechsel;
    switch (w.Form) {
    case TPosixWechsel::MonatWocheTag:
        gut = gut && w.Monat >= 1 && w.Monat <= 12 && w.Woche >= 1 && w.Woche <= 5 && w.Wochentag >= 0 &&
              w.Wochentag <= 6;
        break;
    case TPosixWechsel::JulianTag: gut = gut && w.Tag >= 1 && w.Tag <= 365; break;
    case TPosixWechsel::NullTag: gut = gut && w.Tag >= 0 && w.Tag <= 365; break;
    }
    return gut ? std::string() : std::string("LiesPosixTZ: change ") + welcher + " out of range";
}

std::string PruefePosix(const TPosixZone& z)
{
    if (z.NormalName.size() < 3 || std::labs(z.NormalOffset) > GroessterPosixVersatz)
        return "LiesPosixTZ: standard time out of range";
    if (!z.HatSommerzeit)
        return {};
    // Without an offset of its own, daylight time is one hour ahead of standard time, so it may
    // reach one hour beyond what a rule string can write.
    if (z.SommerName.size() < 3 || std::labs(z.SommerOffset) > GroessterPosixVersatz + 3600)
        return "LiesPosixTZ: daylight time out of range";
    const std::string b = PruefeWechsel(z.Beginn, "to daylight time");
    return b.empty() ? PruefeWechsel(z.Ende, "to standard time") : b;
}

std::string PruefeRegel(const TSystemZeitRegel& r, const char* welche)
{
    const bool gut = r.wMonth >= 1 && r.wMonth <= 12 && r.wDay >= 1 && r.wDay <= 5 && r.wDayOfWeek >= 0 &&
                     r.wDayOfWeek <= 6 && r.wHour >= 0 && r.wHour <= 24 && r.wMinute >= 0 && r.wMinute <= 59 &&
                     (r.wHour < 24 || r.wMinute == 0);
    return gut ? std::string()
               : Format("%s: month %d, occurrence %d, weekday %d, %d:%02d", welche, r.wMonth, r.wDay, r.wDayOfWeek,
                        r.wHour, r.wMinute);
}

std::string PruefeStand(const TZonenregelStand& s, int jahr)
{
    if (s.Status < 0 || s.Status > 2)
        return "zone rule: status " + Format("%d", s.Status);
    if (s.Status == 0)
        return {};
    std::string f = PruefeRegel(s.Regel.DaylightDate, "rule to daylight time");
    if (f.empty())
        f = PruefeRegel(s.Regel.StandardDate, "rule to standard time");
    return f.empty() ? f : f + Format(" in %d", jahr);
}

std::string PruefeTZif(const TTZifZone& zone, std::string_view daten)
{
    if (zone.Typen.empty() || zone.Typen.size() > 256 || zone.TypNach.size() != zone.Zeiten.size())
        return "LiesTZif: counts";
    for (std::size_t i = 0; i < zone.Zeiten.size(); ++i) {
        if ((i > 0 && zone.Zeiten[i] <= zone.Zeiten[i - 1]) || zone.TypNach[i] >= zone.Typen.size())
            return "LiesTZif: instants out of order or type out of range";
    }
    for (const TTZifTyp& t : zone.Typen) {
        if (std::labs(t.Offset) > GroessterTZifVersatz || t.Name.find('\0') != std::string::npos)
            return "LiesTZif: type out of range";
    }
    if (daten[4] != '\0' && TZifFusszeile(daten) != zone.Fusszeile)
        return "LiesTZif: footer differs from TZifFusszeile";
    return {};
}

// The daylight-saving period of the year under both time bases, and the offset of every day
// the bytes pick.
std::string PruefeSommerzeit(int jahr, unsigned tagImJahr)
{
    const Extended neujahr = MJDAusDatum(1, 1, jahr, 0);
    const Extended mjd = neujahr + tagImJahr % 366;
    for (const TKalenderZeitBasis basis : {kzbStandard, kzbGerman}) {
        const TSommerzeitInfoRec rec = SommerzeitInfo(basis, mjd);
        const int j = JahrVon(mjd);
        if (std::fabs(rec.NormalzeitOffset) > 26 || std::fabs(rec.SommerzeitOffset) > 26)
            return "SommerzeitInfo: offset beyond 26 hours";
        if (rec.ZonenStatus == 0) {
            if (IstSommerzeit(rec, mjd))
                return "IstSommerzeit without daylight time";
            continue;
        }
        const struct {
            int wochentag, tag, monat;
            Extended zeit, mjd;
            const std::string& text;
        } wechsel[] = {
            {rec.BeginnWochentag, rec.BeginnTag, rec.BeginnMonat, rec.BeginnZeit, rec.BeginnMJD, rec.BeginnText},
            {rec.EndeWochentag, rec.EndeTag, rec.EndeMonat, rec.EndeZeit, rec.EndeMJD, rec.EndeText},
        };
        for (const auto& w : wechsel) {
            if (!DatumGueltig(w.tag, w.monat, j) || MJDAusDatum(w.tag, w.monat, j, 0) != w.mjd ||
                w.wochentag != Wochentag(1, w.mjd) || !(w.zeit >= 0 && w.zeit <= 24) || w.text.empty())
                return Format("SommerzeitInfo: change on %d.%d.%d, weekday %d, %.3f h", w.tag, w.monat, j, w.wochentag,
                              static_cast<double>(w.zeit));
        }
    }
    const TSommerzeitInfoRec deutsch = SommerzeitInfo(kzbGerman, mjd);
    const Extended versatz = ZeitZonenOffsetAm(mjd);
    if (versatz != deutsch.NormalzeitOffset && versatz != deutsch.SommerzeitOffset)
        return "ZeitZonenOffsetAm: neither offset of the year";
    return {};
}

}  // namespace

std::string PruefeZonenregel(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse < 4)
        return {};
    TUmgebung umgebung;
    // Mostly the years zone files record; else anywhere in the supported years.
    const unsigned wahl = daten[1] << 8 | daten[2];
    const int jahr = (wahl & 0x8000) ? std::min<int>(MinJahrStandard + (wahl & 0x7FFF) * 180, MaxJahrStandard)
                                     : 1850 + static_cast<int>(wahl % 300);
    const unsigned tag = daten[3];
    const std::string_view text(reinterpret_cast<const char*>(daten + 4), groesse - 4);

    TZonenregelQuelle quelle;
    if (daten[0] % 2 == 0) {
        const std::optional<TPosixZone> zone = LiesPosixTZ(text);
        if (zone) {
            if (std::string f = PruefePosix(*zone); !f.empty())
                return f;
        }
        const std::string tz(text);
        const TZonenregelStand stand = ZonenregelAusText(tz, jahr);
        if (!zone && (stand.Status != 0 || stand.Regel.StandardName != "UTC"))
            return "ZonenregelAusText: a refused string is not UTC";
        if (std::string f = PruefeStand(stand, jahr); !f.empty())
            return f;
        quelle = [tz](int j) { return ZonenregelAusText(tz, j); };
    } else {
        if (const std::optional<std::string> fuss = TZifFusszeile(text)) {
            if (const std::optional<TPosixZone> regel = LiesPosixTZ(*fuss)) {
                if (std::string f = PruefePosix(*regel); !f.empty())
                    return "footer: " + f;
            }
        }
        const std::optional<TTZifZone> zone = LiesTZif(text);
        if (!zone)
            return {};
        if (std::string f = PruefeTZif(*zone, text); !f.empty())
            return f;
        for (const int j : {jahr, jahr + 1, 1970, 2038}) {
            if (std::string f = PruefeStand(ZonenregelAusTZif(*zone, j), j); !f.empty())
                return f;
        }
        quelle = [zone](int j) { return ZonenregelAusTZif(*zone, j); };
    }
    SetzeZonenregelQuelle(quelle);
    return PruefeSommerzeit(jahr, tag);
}

}  // namespace lunoria::fuzz
