#pragma once
// The system time-zone rule behind a replaceable provider, so that tests run under a fixed zone.

#include <functional>
#include <string>

#include "sommerzeit.h"

namespace lunoria {

// The zone's rule and the status the system reports for the present moment: 0 the zone has no
// daylight time, 1 standard time now, 2 daylight time now.
struct TZonenregelStand {
    Zonenregel Regel;
    int Status = 0;
};

// Gives the rule as it applies in the year asked for: rules that name a day of the year rather
// than a weekday of a month are turned into the weekday form of that year's date.
using TZonenregelQuelle = std::function<TZonenregelStand(int jahr)>;

// The rule from the installed provider (the local zone's POSIX rule without one).
TZonenregelStand SystemZonenregel(int jahr);

// Installs a provider (an empty one restores the local zone's POSIX rule); returns the previous one.
TZonenregelQuelle SetzeZonenregelQuelle(TZonenregelQuelle quelle);

// The local zone's rule on Linux: the TZ variable when it holds a rule string, else the footer
// line of the zone's TZif file (/etc/localtime, or the zone TZ names under $TZDIR or
// /usr/share/zoneinfo). Names are the rule's abbreviations. A zone that cannot be read or whose
// rule does not parse is UTC without daylight time. The status comes from localtime_r at the
// clock's present moment.
TZonenregelStand PosixZonenregel(int jahr);

// The rule of a POSIX TZ string in the year; UTC without daylight time when it does not parse.
// The status is 0 without a daylight part, else 1 (the caller knows no present moment).
TZonenregelStand ZonenregelAusText(const std::string& tz, int jahr);

// Central European time, CET-1CEST,M3.5.0,M10.5.0/3, with status 1: the zone the German time
// basis is meant for, and what tests install.
TZonenregelStand MitteleuropaeischeZonenregel();

}  // namespace lunoria
