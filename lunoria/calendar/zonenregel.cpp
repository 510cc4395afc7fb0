#include "zonenregel.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <utility>

#include "julian.h"
#include "posixtz.h"
#include "uhr.h"

namespace lunoria {

namespace {

TZonenregelQuelle& Installiert()
{
    static TZonenregelQuelle quelle;
    return quelle;
}

// Seconds to whole minutes, to the nearest minute.
int Minuten(long sekunden)
{
    return static_cast<int>(sekunden >= 0 ? (sekunden + 30) / 60 : -((-sekunden + 30) / 60));
}

long AbgerundetGeteilt(long a, long b)
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
    case TPosixWechsel::MonatWocheTag:
        tag = RegelDatum(jahr, {w.Monat, w.Wochentag, w.Woche, 0, 0});
        break;
    case TPosixWechsel::JulianTag:
        // 29 February is never counted: from day 60 (1 March) on a leap year is one day ahead.
        tag = neujahr + (w.Tag - 1) + ((Schaltjahr(jahr) && w.Tag >= 60) ? 1 : 0);
        break;
    case TPosixWechsel::NullTag:
        tag = neujahr + w.Tag;
        break;
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

// The local zone's rule string, parsed; read again only when TZ changes.
const std::optional<TPosixZone>& LokaleZone()
{
    struct Zwischenspeicher {
        bool gefuellt = false;
        std::optional<std::string> tz;
        std::optional<TPosixZone> zone;
    };
    static Zwischenspeicher z;

    const char* wert = std::getenv("TZ");
    const std::optional<std::string> tz = wert ? std::optional<std::string>(wert) : std::nullopt;
    if (z.gefuellt && z.tz == tz)
        return z.zone;

    std::optional<std::string> text;
    if (!tz) {
        text = TZifFusszeileAusDatei("/etc/localtime");
    } else if (tz->empty()) {
        text = "UTC0";  // an empty TZ is UTC
    } else if (tz->front() == ':') {
        text = TZifFusszeileAusDatei(ZonenDatei(tz->substr(1)));
    } else if (LiesPosixTZ(*tz)) {
        text = *tz;
    } else {
        text = TZifFusszeileAusDatei(ZonenDatei(*tz));
    }
    z.gefuellt = true;
    z.tz = tz;
    z.zone = text ? LiesPosixTZ(*text) : std::nullopt;
    return z.zone;
}

}  // namespace

TZonenregelStand ZonenregelAusText(const std::string& tz, int jahr)
{
    return StandAusZone(LiesPosixTZ(tz), jahr);
}

TZonenregelStand MitteleuropaeischeZonenregel()
{
    return ZonenregelAusText("CET-1CEST,M3.5.0,M10.5.0/3", 2000);
}

TZonenregelStand PosixZonenregel(int jahr)
{
    TZonenregelStand s = StandAusZone(LokaleZone(), jahr);
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
    return std::exchange(Installiert(), std::move(quelle));
}

}  // namespace lunoria
