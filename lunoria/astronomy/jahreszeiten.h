// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Start of the four seasons: the instants at which the sun's apparent ecliptic longitude passes
// 0, 90, 180 and 270 degrees, found on a minute grid from the precise solar series.

#include <array>

#include "calendar/extended.h"
#include "calendar/sommerzeit.h"

namespace lunoria {

enum TJahreszeit : int { jzFruehling, jzSommer, jzHerbst, jzWinter };

// Four instants, spring, summer, autumn, winter, as MJD.
using TJahreszeiten = std::array<Extended, 4>;

// Solar longitude for the season search in degrees, -75 ... 285 (values from 285 on are taken
// minus 360, so that the March equinox lies inside a continuous run): the precise solar
// longitude at the instant mjd less the light time of 8.32 minutes.
Extended JahreszeitenLaenge(Extended mjd);

// Season starts of a year in the time scale of the solar series (no zone, no daylight saving).
// Each is the first whole minute, counted from 0 h of the search's start day (17 March, June,
// September, December; a whole number of days earlier where the season begins before the 17th,
// as in the late Julian-calendar years), at which the longitude exceeds its target. Years far
// from 2000 are computed by the same series without a check.
// A year asked for again is served from the years computed before (per thread, one slot for
// each year number modulo 512).
TJahreszeiten Jahreszeiten(int jahr);

// The same, always computed afresh.
TJahreszeiten JahreszeitenBerechnen(int jahr);

// The season starts of the year in local clock time, to the minute: each instant of
// Jahreszeiten less Delta T (DeltaTSekunden), from dynamical to universal time, plus the offset
// in force at that instant under the record's time basis.
// offsets, when given, takes the offset in force at each instant (seconds east of UTC).
TJahreszeiten JahreszeitenLokal(int jahr, const TSommerzeitInfoRec& rec, std::array<long, 4>* offsets = nullptr);

}  // namespace lunoria
