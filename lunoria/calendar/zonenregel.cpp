// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "zonenregel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <utility>
#include <vector>

#include "julian.h"
#include "posixtz.h"
#include "tzif.h"
#include "uhr.h"

namespace lunoria {

namespace {

TZonenregelQuelle& Installiert()
{
    static TZonenregelQuelle quelle;
    return quelle;
}

// Counts the changes of the zone behind the clock (a provider installed, the local zone read
// anew), so that what was computed for the previous one is not used.
std::uint64_t& ZonenStand()
{
    static std::uint64_t stand = 0;
    return stand;
}

// Seconds to whole minutes, to the nearest minute.
int Minuten(long sekunden)
{
    return static_cast<int>(sekunden >= 0 ? (sekunden + 30) / 60 : -((-sekunden + 30) / 60));
}

std::int64_t AbgerundetGeteilt(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

// The change of a POSIX rule as the recurring weekday rule of the year asked for. Mm.w.d with a
// time within the day maps field by field. Jn, n, and times before 0 h or from 24 h on name a
// date that moves against the weekdays from year to year: that year's date is found, and the
// rule becomes its weekday and occurrence in its month (5 = last when no later one follows).
TSystemZeitRegel WochentagsRegel(const TPosixWechsel& w, int jahr)
{
    TSystemZeitRegel r;
    const long tage = AbgerundetGeteilt(w.Sekunden, 86400);
    long rest = w.Sekunden - tage * 86400;
    if (w.Form == TPosixWechsel::MonatWocheTag && tage == 0) {
        r.wMonth = w.Monat;
        r.wDayOfWeek = w.Wochentag;
        r.wDay = w.Woche;
        r.wHour = static_cast<int>(rest / 3600);
        r.wMinute = static_cast<int>(rest % 3600 / 60);
        return r;
    }

    const Extended neujahr = MJDAusDatum(1, 1, jahr, 0);
    const Extended silvester = MJDAusDatum(31, 12, jahr, 0);
    Extended tag = 0;
    switch (w.Form) {
    case TPosixWechsel::MonatWocheTag: tag = RegelDatum(jahr, {w.Monat, w.Wochentag, w.Woche, 0, 0}); break;
    case TPosixWechsel::JulianTag:
        // 29 February is never counted: from day 60 (1 March) on a leap year is one day ahead.
        tag = neujahr + (w.Tag - 1) + ((Schaltjahr(jahr) && w.Tag >= 60) ? 1 : 0);
        break;
    case TPosixWechsel::NullTag: tag = neujahr + w.Tag; break;
    }
    if (tag > silvester)
        tag = silvester;  // day 365 of a common year
    const Extended verschoben = tag + tage;
    if (verschoben < neujahr || verschoben > silvester) {
        // The recurring form cannot leave its year: keep the day, at its first or last minute.
        rest = tage < 0 ? 0 : 86340;
    } else {
        tag = verschoben;
    }

    int t = 0, m = 0, j = 0;
    Extended h = 0;
    if (!Caldat(tag, t, m, j, h))
        return r;
    r.wMonth = m;
    r.wDayOfWeek = Wochentag(0, tag);
    r.wDay = t + 7 > TageImMonat(m, j) ? 5 : (t - 1) / 7 + 1;
    r.wHour = static_cast<int>(rest / 3600);
    r.wMinute = static_cast<int>(rest % 3600 / 60);
    return r;
}

// Calendar arithmetic on days since 1970-01-01 in the proleptic Gregorian calendar, which is how
// zone files count. 64-bit throughout: instants of a zone file reach +-2^60 s.

struct TZivilDatum {
    std::int64_t Jahr;
    int Monat;
    int Tag;
};

TZivilDatum DatumAusTagen(std::int64_t tage)
{
    // Years of 400 (eras) starting 1 March, so that the leap day ends each year.
    const std::int64_t z = tage + 719468;
    const std::int64_t era = AbgerundetGeteilt(z, 146097);
    const std::int64_t tagDerEra = z - era * 146097;
    const std::int64_t jahrDerEra = (tagDerEra - tagDerEra / 1460 + tagDerEra / 36524 - tagDerEra / 146096) / 365;
    const std::int64_t tagDesJahres = tagDerEra - (365 * jahrDerEra + jahrDerEra / 4 - jahrDerEra / 100);
    const std::int64_t mp = (5 * tagDesJahres + 2) / 153;  // 0 = March ... 11 = February
    const int monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {jahrDerEra + era * 400 + (monat <= 2 ? 1 : 0), monat,
            static_cast<int>(tagDesJahres - (153 * mp + 2) / 5 + 1)};
}

std::int64_t TageAusDatum(std::int64_t jahr, int monat, int tag)
{
    const std::int64_t j = jahr - (monat <= 2 ? 1 : 0);
    const std::int64_t era = AbgerundetGeteilt(j, 400);
    const std::int64_t jahrDerEra = j - era * 400;
    const std::int64_t tagDesJahres = (153 * (monat > 2 ? monat - 3 : monat + 9) + 2) / 5 + tag - 1;
    return era * 146097 + jahrDerEra * 365 + jahrDerEra / 4 - jahrDerEra / 100 + tagDesJahres - 719468;
}

bool GregorianischesSchaltjahr(std::int64_t jahr)
{
    return jahr % 4 == 0 && (jahr % 100 != 0 || jahr % 400 == 0);
}

int GregorianischeTage(int monat, std::int64_t jahr)
{
    static constexpr int Tage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return monat == 2 && GregorianischesSchaltjahr(jahr) ? 29 : Tage[monat - 1];
}

// 0 = Sunday ... 6 = Saturday; 1 January 1970 was a Thursday.
int WochentagAusTagen(std::int64_t tage)
{
    const std::int64_t n = tage + 4;
    return static_cast<int>(n - AbgerundetGeteilt(n, 7) * 7);
}

std::int64_t JahrDerSekunde(std::int64_t lokal)
{
    return DatumAusTagen(AbgerundetGeteilt(lokal, 86400)).Jahr;
}

// The recurring rule that gives back the day of a local instant (seconds since 1970 on the
// local clock): its weekday and occurrence in its month, 5 when it is the month's last one. The
// end of a day may be passed as 24:00 of that day.
TSystemZeitRegel RegelAm(std::int64_t tage, std::int64_t sekunden)
{
    const TZivilDatum d = DatumAusTagen(tage);
    TSystemZeitRegel r;
    r.wMonth = d.Monat;
    r.wDayOfWeek = WochentagAusTagen(tage);
    r.wDay = d.Tag + 7 > GregorianischeTage(d.Monat, d.Jahr) ? 5 : (d.Tag - 1) / 7 + 1;
    r.wHour = static_cast<int>(sekunden / 3600);
    r.wMinute = static_cast<int>(sekunden % 3600 / 60);
    return r;
}

TSystemZeitRegel RegelAm(std::int64_t lokal)
{
    const std::int64_t tage = AbgerundetGeteilt(lokal, 86400);
    return RegelAm(tage, lokal - tage * 86400);
}

// The local clock time (seconds since 1970) at which a footer rule changes in the year.
std::int64_t PosixWechselLokal(const TPosixWechsel& w, std::int64_t jahr)
{
    const std::int64_t neujahr = TageAusDatum(jahr, 1, 1);
    std::int64_t tag = neujahr;
    switch (w.Form) {
    case TPosixWechsel::MonatWocheTag: {
        const std::int64_t erster = TageAusDatum(jahr, w.Monat, 1);
        int d = 1 + (w.Wochentag - WochentagAusTagen(erster) + 7) % 7 + (w.Woche - 1) * 7;
        while (d > GregorianischeTage(w.Monat, jahr))
            d -= 7;  // week 5: the last one
        tag = erster + d - 1;
        break;
    }
    case TPosixWechsel::JulianTag:
        tag = neujahr + w.Tag - 1 + (GregorianischesSchaltjahr(jahr) && w.Tag >= 60 ? 1 : 0);
        break;
    case TPosixWechsel::NullTag: tag = neujahr + w.Tag; break;
    }
    return tag * 86400 + w.Sekunden;
}

// One recorded change of local time.
struct TLokalerWechsel {
    std::int64_t Utc;
    std::int64_t Lokal;  // the local clock time before the change, seconds since 1970
    TTZifTyp Von, Nach;
};

TZonenregelStand StandAusTypen(const TTZifTyp& normal, const TTZifTyp* sommer)
{
    TZonenregelStand s;
    s.Regel.Bias = -Minuten(normal.Offset);
    s.Regel.StandardName = normal.Name;
    if (sommer) {
        s.Regel.DaylightName = sommer->Name;
        s.Regel.DaylightBias = -Minuten(sommer->Offset) - s.Regel.Bias;
        s.Status = 1;
    }
    return s;
}

// The daylight period of a year from the type in force at its start and its changes in order.
// More than one period gives the first start and the last end. A year that begins in daylight
// time starts it on 1 January at 00:00; one that ends in it ends it on 31 December at 24:00.
// letzteNormalzeit: the standard time last in force before the year, for a year all in
// daylight time.
TZonenregelStand PeriodeDesJahres(std::int64_t jahr, const TTZifTyp& amAnfang,
                                  const std::vector<TLokalerWechsel>& wechsel, const TTZifTyp& letzteNormalzeit)
{
    const auto beginn = std::find_if(wechsel.begin(), wechsel.end(),
                                     [](const TLokalerWechsel& w) { return !w.Von.Sommerzeit && w.Nach.Sommerzeit; });
    const auto ende = std::find_if(wechsel.rbegin(), wechsel.rend(),
                                   [](const TLokalerWechsel& w) { return w.Von.Sommerzeit && !w.Nach.Sommerzeit; });
    const TTZifTyp& amSchluss = wechsel.empty() ? amAnfang : wechsel.back().Nach;

    if (beginn == wechsel.end() && !amAnfang.Sommerzeit)
        return StandAusTypen(amSchluss, nullptr);  // no daylight time this year

    const TTZifTyp& sommer = beginn != wechsel.end() ? beginn->Nach : amAnfang;
    const TTZifTyp& normal = beginn != wechsel.end()  ? beginn->Von
                             : ende != wechsel.rend() ? ende->Nach
                                                      : letzteNormalzeit;
    TZonenregelStand s = StandAusTypen(normal, &sommer);
    s.Regel.DaylightDate = beginn != wechsel.end() ? RegelAm(beginn->Lokal) : RegelAm(TageAusDatum(jahr, 1, 1), 0);
    s.Regel.StandardDate = ende != wechsel.rend() ? RegelAm(ende->Lokal) : RegelAm(TageAusDatum(jahr, 12, 31), 86400);
    return s;
}

Zonenregel UtcRegel()
{
    Zonenregel r;
    r.StandardName = "UTC";
    return r;
}

TZonenregelStand StandAusZone(const std::optional<TPosixZone>& zone, int jahr)
{
    TZonenregelStand s;
    if (!zone) {
        s.Regel = UtcRegel();
        return s;
    }
    s.Regel.Bias = Minuten(zone->NormalOffset);
    s.Regel.StandardName = zone->NormalName;
    s.Regel.StandardBias = 0;
    if (!zone->HatSommerzeit)
        return s;
    s.Regel.DaylightName = zone->SommerName;
    s.Regel.DaylightBias = Minuten(zone->SommerOffset) - s.Regel.Bias;
    s.Regel.DaylightDate = WochentagsRegel(zone->Beginn, jahr);
    s.Regel.StandardDate = WochentagsRegel(zone->Ende, jahr);
    s.Status = 1;
    return s;
}

std::string ZonenDatei(const std::string& name)
{
    if (name.empty())
        return "/etc/localtime";
    if (name.front() == '/')
        return name;
    const char* verzeichnis = std::getenv("TZDIR");
    return std::string(verzeichnis && *verzeichnis ? verzeichnis : "/usr/share/zoneinfo") + "/" + name;
}

// The local zone: its recorded history from its zone file, or, where TZ holds a rule string or
// the file has no readable table, one rule for every year. Read again only when TZ changes.
struct TLokaleZone {
    std::optional<TTZifZone> Geschichte;
    std::optional<TPosixZone> Regel;
};

TLokaleZone ZoneAusDatei(const std::string& pfad)
{
    TLokaleZone z;
    const std::optional<std::string> daten = TZifDateiInhalt(pfad);
    if (!daten)
        return z;
    z.Geschichte = LiesTZif(*daten);
    if (!z.Geschichte) {
        const std::optional<std::string> fuss = TZifFusszeile(*daten);
        z.Regel = fuss ? LiesPosixTZ(*fuss) : std::nullopt;
    }
    return z;
}

std::string& GewaehlteOrtsZone()
{
    static std::string zone;
    return zone;
}

const TLokaleZone& LokaleZone()
{
    struct Zwischenspeicher {
        bool gefuellt = false;
        std::optional<std::string> tz;
        TLokaleZone zone;
    };
    static Zwischenspeicher z;

    // The zone of a chosen place stands in for the system's.
    const char* wert = std::getenv("TZ");
    const std::optional<std::string> tz = !GewaehlteOrtsZone().empty()
                                              ? std::optional<std::string>(":" + GewaehlteOrtsZone())
                                          : wert ? std::optional<std::string>(wert)
                                                 : std::nullopt;
    if (z.gefuellt && z.tz == tz)
        return z.zone;

    TLokaleZone zone;
    if (!tz) {
        zone = ZoneAusDatei("/etc/localtime");
    } else if (tz->empty()) {
        zone.Regel = LiesPosixTZ("UTC0");  // an empty TZ is UTC
    } else if (tz->front() == ':') {
        zone = ZoneAusDatei(ZonenDatei(tz->substr(1)));
    } else if (auto regel = LiesPosixTZ(*tz)) {
        zone.Regel = std::move(regel);
    } else {
        zone = ZoneAusDatei(ZonenDatei(*tz));
    }
    z.gefuellt = true;
    ++ZonenStand();
    z.tz = tz;
    z.zone = std::move(zone);
    return z.zone;
}

}  // namespace

TZonenregelStand ZonenregelAusText(const std::string& tz, int jahr)
{
    return StandAusZone(LiesPosixTZ(tz), jahr);
}

TZonenregelStand ZonenregelAusTZif(const TTZifZone& zone, int jahr)
{
    if (zone.Typen.empty())
        return StandAusZone(std::nullopt, jahr);
    // The footer read once per zone.
    static std::string gelesen;
    static std::optional<TPosixZone> regel;
    if (gelesen != zone.Fusszeile) {
        gelesen = zone.Fusszeile;
        regel = zone.Fusszeile.empty() ? std::nullopt : LiesPosixTZ(zone.Fusszeile);
    }
    const std::optional<TPosixZone>& fuss = regel;
    const std::size_t n = std::min(zone.Zeiten.size(), zone.TypNach.size());
    if (n == 0 && fuss)
        return StandAusZone(fuss, jahr);  // a file without a table: its rule holds at all times

    const auto typ = [&zone](std::size_t i) -> const TTZifTyp& {
        const std::size_t index = zone.TypNach[i];
        return index < zone.Typen.size() ? zone.Typen[index] : zone.Typen.front();
    };
    const auto von = [&](std::size_t i) -> const TTZifTyp& { return i == 0 ? zone.Typen.front() : typ(i - 1); };
    const auto lokal = [&](std::size_t i) { return zone.Zeiten[i] + von(i).Offset; };

    // Before the first change: the zone's first time, without daylight time.
    if (n == 0 || JahrDerSekunde(lokal(0)) > jahr)
        return StandAusTypen(zone.Typen.front(), nullptr);
    // After the table: the footer rule as it applies to every year.
    const std::int64_t letztesJahr = JahrDerSekunde(lokal(n - 1));
    if (fuss && letztesJahr < jahr)
        return StandAusZone(fuss, jahr);

    std::vector<TLokalerWechsel> wechsel;
    TTZifTyp amAnfang = zone.Typen.front();
    TTZifTyp letzteNormalzeit = zone.Typen.front();
    for (std::size_t i = 0; i < n; ++i) {
        const std::int64_t j = JahrDerSekunde(lokal(i));
        if (j > jahr)
            break;
        if (j == jahr) {
            wechsel.push_back({zone.Zeiten[i], lokal(i), von(i), typ(i)});
        } else {
            amAnfang = typ(i);
            if (!amAnfang.Sommerzeit)
                letzteNormalzeit = amAnfang;
        }
    }

    // In the year of the table's last change, the footer rule takes over after it.
    if (fuss && fuss->HatSommerzeit && letztesJahr == jahr) {
        const TTZifTyp normal{-fuss->NormalOffset, false, fuss->NormalName};
        const TTZifTyp sommer{-fuss->SommerOffset, true, fuss->SommerName};
        for (std::int64_t j = std::int64_t{jahr} - 1; j <= std::int64_t{jahr} + 1; ++j) {
            const std::int64_t beginn = PosixWechselLokal(fuss->Beginn, j);
            const std::int64_t ende = PosixWechselLokal(fuss->Ende, j);
            const TLokalerWechsel neu[] = {{beginn - normal.Offset, beginn, normal, sommer},
                                           {ende - sommer.Offset, ende, sommer, normal}};
            for (const TLokalerWechsel& w : neu)
                if (w.Utc > zone.Zeiten[n - 1] && JahrDerSekunde(w.Lokal) == jahr)
                    wechsel.push_back(w);
        }
        std::stable_sort(wechsel.begin(), wechsel.end(),
                         [](const TLokalerWechsel& a, const TLokalerWechsel& b) { return a.Utc < b.Utc; });
        // Each change leaves the time the one before it left in force, so that a footer change
        // into the time already in force counts as no start or end.
        for (std::size_t i = 1; i < wechsel.size(); ++i)
            wechsel[i].Von = wechsel[i - 1].Nach;
    }
    return PeriodeDesJahres(jahr, amAnfang, wechsel, letzteNormalzeit);
}

TZonenregelStand MitteleuropaeischeZonenregel()
{
    return ZonenregelAusText("CET-1CEST,M3.5.0,M10.5.0/3", 2000);
}

TZonenregelStand PosixZonenregel(int jahr)
{
    const TLokaleZone& zone = LokaleZone();
    TZonenregelStand s = zone.Geschichte ? ZonenregelAusTZif(*zone.Geschichte, jahr) : StandAusZone(zone.Regel, jahr);
    if (s.Status != 0) {
        // The C library reads the same zone; it reports whether daylight time is in force now.
        tzset();
        const std::time_t jetzt = Jetzt().Utc;
        std::tm lokal{};
        if (localtime_r(&jetzt, &lokal) && lokal.tm_isdst > 0)
            s.Status = 2;
    }
    return s;
}

TZonenregelStand SystemZonenregel(int jahr)
{
    const TZonenregelQuelle& q = Installiert();
    return q ? q(jahr) : PosixZonenregel(jahr);
}

TZonenregelQuelle SetzeZonenregelQuelle(TZonenregelQuelle quelle)
{
    ++ZonenStand();
    return std::exchange(Installiert(), std::move(quelle));
}

// --- The clock at any instant -----------------------------------------------------------

namespace {

bool HatWechseltag(const TSystemZeitRegel& r)
{
    return r.wMonth >= 1 && r.wMonth <= 12;
}

// The local clock time (seconds since 1970) of a yearly rule's change in the year.
std::int64_t RegelLokal(int jahr, const TSystemZeitRegel& r)
{
    const Extended tag = RegelDatum(jahr, r);
    return static_cast<std::int64_t>(std::llround((tag - MJDvon1970) * 86400)) + r.wHour * 3600L + r.wMinute * 60L;
}

struct TEreignis {
    std::int64_t Utc;
    TTZifTyp Nach;
};

// The changes of a source of yearly rules in the years von ... bis: at the start of each year
// the time in force then (so that a year may bring other offsets or names without a change of
// its own), then the year's change to and from daylight time.
void JahresEreignisse(const std::function<TZonenregelStand(int)>& regel, std::int64_t von, std::int64_t bis,
                      std::vector<TEreignis>& ereignisse)
{
    // The calendar has no day before 1 January -4712.
    for (std::int64_t j = std::max<std::int64_t>(von, MinJahrStandard); j <= bis; ++j) {
        const int jahr = static_cast<int>(j);
        const TZonenregelStand stand = regel(jahr);
        const Zonenregel& r = stand.Regel;
        const TTZifTyp normal{-(r.Bias + r.StandardBias) * 60L, false, r.StandardName};
        const std::int64_t neujahr = TageAusDatum(j, 1, 1) * 86400;
        if (stand.Status == 0 || !HatWechseltag(r.DaylightDate) || !HatWechseltag(r.StandardDate)) {
            ereignisse.push_back({neujahr - normal.Offset, normal});
            continue;
        }
        const TTZifTyp sommer{-(r.Bias + r.DaylightBias) * 60L, true, r.DaylightName};
        const std::int64_t beginn = RegelLokal(jahr, r.DaylightDate);
        const std::int64_t ende = RegelLokal(jahr, r.StandardDate);
        const std::int64_t silvesterEnde = TageAusDatum(j + 1, 1, 1) * 86400;
        // Where daylight time spans the turn of the year (south of the equator), the year
        // begins in it; so it does where the rule starts it at the year's first moment, and a
        // rule that ends it at the year's last moment has no end in the year.
        const bool vonAnfang = beginn > ende || beginn <= neujahr;
        ereignisse.push_back({neujahr - (vonAnfang ? sommer : normal).Offset, vonAnfang ? sommer : normal});
        if (beginn > neujahr)
            ereignisse.push_back({beginn - normal.Offset, sommer});
        if (ende < silvesterEnde)
            ereignisse.push_back({ende - sommer.Offset, normal});
    }
}

bool GleicheZeit(const TTZifTyp& a, const TTZifTyp& b)
{
    return a.Offset == b.Offset && a.Sommerzeit == b.Sommerzeit && a.Name == b.Name;
}

// The course from sorted events: the time after the last event at or before von, then every
// real change up to bis.
TZonenVerlauf VerlaufAusEreignissen(const std::vector<TEreignis>& e, const TTZifTyp& vorher, std::int64_t von,
                                    std::int64_t bis)
{
    TZonenVerlauf v;
    v.Anfang = vorher;
    auto i = std::upper_bound(e.begin(), e.end(), von, [](std::int64_t t, const TEreignis& x) { return t < x.Utc; });
    if (i != e.begin())
        v.Anfang = std::prev(i)->Nach;
    TTZifTyp jetzt = v.Anfang;
    for (; i != e.end() && i->Utc <= bis; ++i) {
        if (GleicheZeit(jetzt, i->Nach))
            continue;
        v.Wechsel.push_back({i->Utc, jetzt, i->Nach});
        jetzt = i->Nach;
    }
    return v;
}

void Sortieren(std::vector<TEreignis>& e)
{
    std::stable_sort(e.begin(), e.end(), [](const TEreignis& a, const TEreignis& b) { return a.Utc < b.Utc; });
}

// The yearly events of one source for a span of years, kept for the next question: the day's
// texts ask the same zone a few dozen times about the same years.
struct TEreignisSpeicher {
    int Quelle = -1;
    std::uint64_t Stand = 0;
    std::int64_t VonJahr = 0;
    std::int64_t BisJahr = -1;
    std::vector<TEreignis> Ereignisse;
};

const std::vector<TEreignis>& JahresEreignisseGespeichert(int quelle, const std::function<TZonenregelStand(int)>& regel,
                                                          std::int64_t vonJahr, std::int64_t bisJahr)
{
    static TEreignisSpeicher speicher[4];
    TEreignisSpeicher& s = speicher[quelle];
    if (s.Quelle != quelle || s.Stand != ZonenStand() || vonJahr < s.VonJahr || bisJahr > s.BisJahr) {
        s.Quelle = quelle;
        s.Stand = ZonenStand();
        s.VonJahr = vonJahr - 2;
        s.BisJahr = bisJahr + 2;
        s.Ereignisse.clear();
        JahresEreignisse(regel, s.VonJahr, s.BisJahr, s.Ereignisse);
        Sortieren(s.Ereignisse);
    }
    return s.Ereignisse;
}

std::int64_t JahrDerUtc(std::int64_t utc)
{
    return DatumAusTagen(AbgerundetGeteilt(utc, 86400)).Jahr;
}

// quelle: 0 the German history, 1 an installed provider, 2 the local zone's rule string, 3 the
// footer rule of the local zone's file.
TZonenVerlauf VerlaufAusRegeln(int quelle, const std::function<TZonenregelStand(int)>& regel, std::int64_t von,
                               std::int64_t bis)
{
    const std::vector<TEreignis>& e = JahresEreignisseGespeichert(quelle, regel, JahrDerUtc(von) - 1,
                                                                  JahrDerUtc(bis) + 1);
    return VerlaufAusEreignissen(e, e.empty() ? TTZifTyp{} : e.front().Nach, von, bis);
}

TZonenVerlauf VerlaufAusTZif(const TTZifZone& zone, std::int64_t von, std::int64_t bis)
{
    const std::optional<TPosixZone> fuss = zone.Fusszeile.empty() ? std::nullopt : LiesPosixTZ(zone.Fusszeile);
    const std::size_t n = std::min(zone.Zeiten.size(), zone.TypNach.size());
    const auto typ = [&zone](std::size_t i) -> const TTZifTyp& {
        const std::size_t index = zone.TypNach[i];
        return index < zone.Typen.size() ? zone.Typen[index] : zone.Typen.front();
    };
    const TTZifTyp erste = zone.Typen.empty() ? TTZifTyp{0, false, "UTC"} : zone.Typen.front();
    std::vector<TEreignis> e;
    // The table's changes around the span: the last one at or before von and those up to bis.
    const auto ab = std::upper_bound(zone.Zeiten.begin(), zone.Zeiten.begin() + n, von);
    std::size_t i = static_cast<std::size_t>(ab - zone.Zeiten.begin());
    if (i > 0)
        --i;
    for (; i < n && zone.Zeiten[i] <= bis; ++i)
        e.push_back({zone.Zeiten[i], typ(i)});
    // After the table, the footer rule.
    const std::int64_t letzte = n > 0 ? zone.Zeiten[n - 1] : std::numeric_limits<std::int64_t>::min();
    if (fuss && bis > letzte) {
        const std::vector<TEreignis>& f = JahresEreignisseGespeichert(
            3, [&fuss](int jahr) { return StandAusZone(fuss, jahr); }, JahrDerUtc(std::max(von, letzte)) - 1,
            JahrDerUtc(bis) + 1);
        for (const TEreignis& x : f)
            if (x.Utc > letzte && x.Utc >= von - 400 * 86400L && x.Utc <= bis)
                e.push_back(x);
    }
    Sortieren(e);
    return VerlaufAusEreignissen(e, erste, von, bis);
}

}  // namespace

std::int64_t SekundenAusMJD(Extended u)
{
    return static_cast<std::int64_t>(std::floor((u - MJDvon1970) * 86400 + 0.0005L));
}

TZonenVerlauf ZonenVerlauf(TKalenderZeitBasis basis, std::int64_t von, std::int64_t bis)
{
    if (basis == kzbGerman)
        return VerlaufAusRegeln(0, DeutscheZonenregel, von, bis);
    if (Installiert())
        return VerlaufAusRegeln(1, Installiert(), von, bis);
    const TLokaleZone& zone = LokaleZone();
    if (zone.Geschichte)
        return VerlaufAusTZif(*zone.Geschichte, von, bis);
    return VerlaufAusRegeln(
        2, [&zone](int jahr) { return StandAusZone(zone.Regel, jahr); }, von, bis);
}

TTZifTyp ZonenZeitAm(TKalenderZeitBasis basis, Extended u)
{
    const std::int64_t s = SekundenAusMJD(u);
    return ZonenVerlauf(basis, s, s).Anfang;
}

Extended OffsetStundenAm(TKalenderZeitBasis basis, Extended u)
{
    return static_cast<Extended>(ZonenZeitAm(basis, u).Offset) / 3600;
}

Extended LokalZeit(TKalenderZeitBasis basis, Extended u)
{
    return u + OffsetStundenAm(basis, u) / 24;
}

Extended UtcAusLokal(TKalenderZeitBasis basis, Extended lokal)
{
    // Local seconds; every offset lies within a day of universal time.
    const Extended l = (lokal - MJDvon1970) * 86400;
    const std::int64_t mitte = static_cast<std::int64_t>(std::floor(l));
    const TZonenVerlauf v = ZonenVerlauf(basis, mitte - 2 * 86400, mitte + 2 * 86400);
    TTZifTyp zeit = v.Anfang;
    Extended beginn = -std::numeric_limits<Extended>::infinity();
    for (std::size_t i = 0; i <= v.Wechsel.size(); ++i) {
        const Extended ende = i < v.Wechsel.size() ? static_cast<Extended>(v.Wechsel[i].Utc)
                                                   : std::numeric_limits<Extended>::infinity();
        const Extended lokalBeginn = beginn + zeit.Offset;
        if (l < lokalBeginn)
            return MJDvon1970 + beginn / 86400;  // skipped by the clocks: the instant of the skip
        if (l < ende + zeit.Offset)
            return MJDvon1970 + (l - zeit.Offset) / 86400;
        if (i < v.Wechsel.size()) {
            beginn = ende;
            zeit = v.Wechsel[i].Nach;
        }
    }
    return MJDvon1970 + (l - zeit.Offset) / 86400;
}

TZonenregelStand DeutscheZonenregel(int jahr)
{
    // Since 1996 the European rule of today.
    if (jahr >= 1996)
        return MitteleuropaeischeZonenregel();
    Zonenregel regel;
    const int status = DeutscheSommerzeit(jahr, MJDAusDatum(1, 7, jahr, 0), regel);
    TZonenregelStand s;
    s.Regel = regel;
    s.Status = status == 0 ? 0 : 1;
    return s;
}

namespace {

TZonenNamenQuelle& NamenQuelle()
{
    static TZonenNamenQuelle quelle;
    return quelle;
}

}  // namespace

bool SetzeOrtsZone(const std::string& name)
{
    if (!name.empty()) {
        // Only a zone the system has a file for: a name must not reach outside the zone folder.
        if (name.front() == '/' || name.find("..") != std::string::npos || !TZifDateiInhalt(ZonenDatei(name)))
            return false;
    }
    GewaehlteOrtsZone() = name;
    return true;
}

const std::string& OrtsZone()
{
    return GewaehlteOrtsZone();
}

TZonenNamenQuelle SetzeZonenNamenQuelle(TZonenNamenQuelle quelle)
{
    return std::exchange(NamenQuelle(), std::move(quelle));
}

std::string ZonenNameAm(TKalenderZeitBasis basis, Extended u)
{
    const TTZifTyp zeit = ZonenZeitAm(basis, u);
    if (basis == kzbGerman && !SystemzoneIstDeutsch(u)) {
        return std::string(zeit.Sommerzeit ? "Mitteleuropäische Sommerzeit" : "Mitteleuropäische Normalzeit") +
               " (deutsche Zeit)";
    }
    std::string name = zeit.Name;
    if (NamenQuelle()) {
        std::string lang = NamenQuelle()(zeit, u);
        if (!lang.empty())
            name = std::move(lang);
    }
    // The zone of a chosen place says which one it is.
    if (!OrtsZone().empty())
        name += " (" + OrtsZone() + ")";
    return name;
}

bool SystemzoneIstDeutsch(Extended u)
{
    const TTZifTyp system = ZonenZeitAm(kzbStandard, u);
    const TTZifTyp deutsch = ZonenZeitAm(kzbGerman, u);
    // Both halves of the year: a zone on central European time without German summer time
    // (or with another rule) is another clock.
    const Extended halbjahr = 182.5L;
    return system.Offset == deutsch.Offset &&
           ZonenZeitAm(kzbStandard, u + halbjahr).Offset == ZonenZeitAm(kzbGerman, u + halbjahr).Offset;
}

}  // namespace lunoria
