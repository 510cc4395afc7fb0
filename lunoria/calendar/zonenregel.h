#pragma once
// The system time-zone rule behind a replaceable provider, so that tests run under a fixed zone.

#include <functional>
#include <string>

#include "sommerzeit.h"
#include "tzif.h"

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

// The local zone's rule on Linux: the TZ variable when it holds a rule string (for every year),
// else the history recorded in the zone's TZif file (/etc/localtime, or the zone TZ names under
// $TZDIR or /usr/share/zoneinfo) as ZonenregelAusTZif reads it; a file whose table cannot be
// read gives its footer rule. Names are abbreviations. A zone that cannot be read or whose rule
// does not parse is UTC without daylight time. In a year with daylight time the status comes
// from localtime_r at the clock's present moment (2 daylight time now, else 1).
TZonenregelStand PosixZonenregel(int jahr);

// The rule of the year from a zone's recorded changes of that year: the first change to and
// the last change from daylight time, at the local clock time before each change, as the
// recurring rule that gives back that year's days; offsets and names of the times they switch
// between. A year that begins in daylight time starts it on 1 January at 00:00, one that ends
// in it ends it on 31 December at 24:00. Years without daylight time have status 0; years
// before the first change have the zone's first time; years after the table's last change
// follow the footer rule as ZonenregelAusText does. Status 1 with daylight time (the caller
// knows no present moment).
TZonenregelStand ZonenregelAusTZif(const TTZifZone& zone, int jahr);

// The rule of a POSIX TZ string in the year; UTC without daylight time when it does not parse.
// The status is 0 without a daylight part, else 1 (the caller knows no present moment).
TZonenregelStand ZonenregelAusText(const std::string& tz, int jahr);

// Central European time, CET-1CEST,M3.5.0,M10.5.0/3, with status 1: the zone the German time
// basis is meant for, and what tests install.
TZonenregelStand MitteleuropaeischeZonenregel();

}  // namespace lunoria
