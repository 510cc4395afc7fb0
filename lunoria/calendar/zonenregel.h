// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The system time-zone rule behind a replaceable provider, so that tests run under a fixed zone.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

// --- The clock at any instant -----------------------------------------------------------
//
// The local time in force at an instant and every change of it, from the zone's recorded
// changes rather than a summary per year: under the standard basis the local zone's history
// (its zone file, with the footer rule after the table; a TZ rule string for every year) or,
// where a provider of yearly rules is installed (tests), those rules year by year; under the
// German basis German clock time, central European time with the German daylight-saving
// history, whatever the system zone.

// The MJD of 1970-01-01 0 h UTC, from which zone files count their seconds.
inline constexpr Extended MJDvon1970 = 40587;

// The instant u (MJD, universal time) as whole seconds since 1970, with half a millisecond of
// leeway, so that an instant computed from a change lands on its second.
std::int64_t SekundenAusMJD(Extended u);

// One change of local time at the instant Utc (seconds since 1970-01-01 00:00 UTC).
struct TZonenWechsel {
    std::int64_t Utc = 0;
    TTZifTyp Von, Nach;
};

// The local time in force at an instant and the changes after it up to a later instant.
struct TZonenVerlauf {
    TTZifTyp Anfang;
    std::vector<TZonenWechsel> Wechsel;  // von < Utc <= bis, in order; each one a real change
};

// The local times from von to bis (seconds since 1970, UTC).
TZonenVerlauf ZonenVerlauf(TKalenderZeitBasis basis, std::int64_t von, std::int64_t bis);

// The local time in force at the instant u (MJD, universal time).
TTZifTyp ZonenZeitAm(TKalenderZeitBasis basis, Extended u);

// Its offset from universal time in hours, east positive.
Extended OffsetStundenAm(TKalenderZeitBasis basis, Extended u);

// The local clock time (as an MJD on the local clock) of the instant u.
Extended LokalZeit(TKalenderZeitBasis basis, Extended u);

// The first instant (MJD, universal time) whose local clock time is the local time given or
// later: where the clocks skipped that time, the instant they skipped it; where they showed it
// twice, its first showing.
Extended UtcAusLokal(TKalenderZeitBasis basis, Extended lokal);

// The German rule of a year on central European time (the German history of daylight saving:
// 1916-1918, 1940-1949, from 1980 on), as a yearly rule with status 1 in a year with daylight
// saving, else 0.
TZonenregelStand DeutscheZonenregel(int jahr);

// The name of the local time in force at the instant u: under the German basis the German
// names, with " (deutsche Zeit)" where the system zone keeps another clock; under the standard
// basis the name the installed name source gives (the application's long names), else the
// zone's abbreviation.
std::string ZonenNameAm(TKalenderZeitBasis basis, Extended u);

// The zone of a chosen place (an IANA name such as "Asia/Tokyo", read from the system's zone
// files) in place of the system zone under the standard basis; the empty name goes back to
// the system zone. Refuses (false, nothing changed) a name without a zone file.
bool SetzeOrtsZone(const std::string& name);
const std::string& OrtsZone();

// A source of long names for a local time at an instant; an empty answer keeps the
// abbreviation.
using TZonenNamenQuelle = std::function<std::string(const TTZifTyp& zeit, Extended u)>;
TZonenNamenQuelle SetzeZonenNamenQuelle(TZonenNamenQuelle quelle);

// Whether the local zone of the standard basis is German clock time (its offsets agree with the
// German basis at the instant), so that texts need not say that German time is shown.
bool SystemzoneIstDeutsch(Extended u);

}  // namespace lunoria
