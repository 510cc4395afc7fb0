// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Astronomy Engine doing the program's two jobs; prints CPU microseconds per job as JSON.
// Job "tag": one date per call, at the program's default place (49.47 N, 9.65 E): sun and moon
// rise and set within the local day (four searches limited to one day from local midnight), the
// moon's illumination at 0 h UT, and whether a new or a full moon falls within the day (two
// phase searches limited to one day). The dates are the 15th of the months 1900 ... 2099 in the
// order month number = call number * 997 mod 2400, the same sequence the program and PyEphem
// take; local midnight follows CET-1CEST,M3.5.0,M10.5.0/3, under which the 15th of April ...
// October is summer time (22:00 UTC the day before) and of the other months winter time
// (23:00 UTC the day before).
// Job "jahreszeiten": the four season starts of a year, the years 1900 ... 2099 in turn.
'use strict';
const path = require('path');
const Astronomy = require(path.join(process.argv[2], 'node_modules', 'astronomy-engine'));

const observer = new Astronomy.Observer(49.47, 9.65, 0);
const MONATE = 2400;
const SCHRITT = 997;

// Year, month (1 ... 12) and the UTC instant of local midnight of the n-th date.
function datum(n) {
  const m = (n * SCHRITT) % MONATE;
  const jahr = 1900 + Math.floor(m / 12);
  const monat = (m % 12) + 1;
  const sommer = monat >= 4 && monat <= 10;
  return {jahr, monat, start: new Date(Date.UTC(jahr, monat - 1, 14, sommer ? 22 : 23, 0, 0))};
}

let tagNummer = 0;
function tag() {
  const d = datum(tagNummer);
  tagNummer = (tagNummer + 1) % MONATE;
  const start = Astronomy.MakeTime(d.start);
  const nullUhrUT = Astronomy.MakeTime(new Date(Date.UTC(d.jahr, d.monat - 1, 15, 0, 0, 0)));
  return [
    Astronomy.SearchRiseSet(Astronomy.Body.Sun, observer, +1, start, 1),
    Astronomy.SearchRiseSet(Astronomy.Body.Sun, observer, -1, start, 1),
    Astronomy.SearchRiseSet(Astronomy.Body.Moon, observer, +1, start, 1),
    Astronomy.SearchRiseSet(Astronomy.Body.Moon, observer, -1, start, 1),
    Astronomy.Illumination(Astronomy.Body.Moon, nullUhrUT),
    Astronomy.SearchMoonPhase(0, start, 1),
    Astronomy.SearchMoonPhase(180, start, 1),
  ];
}

let jahr = 1900;
function jahreszeiten() {
  const s = Astronomy.Seasons(jahr);
  jahr = jahr === 2099 ? 1900 : jahr + 1;
  return s;
}

function cpuUs(job, seconds) {
  let n = 0;
  const begin = process.cpuUsage();
  let used = 0;
  while (used < seconds) {
    job();
    n += 1;
    const u = process.cpuUsage(begin);
    used = (u.user + u.system) / 1e6;
  }
  return used / n * 1e6;
}

const seconds = Number(process.argv[3] || 1);
// The first calls compile the code; they are not measured. Each job starts its sequence anew.
cpuUs(tag, 0.2);
cpuUs(jahreszeiten, 0.2);
tagNummer = 0;
jahr = 1900;
console.log(JSON.stringify({
  tag: cpuUs(tag, seconds),
  jahreszeiten: cpuUs(jahreszeiten, seconds),
  // The first dates' local midnights, for the caller's check that every side takes the same.
  erste_tage: [0, 1, 2].map((n) => datum(n).start.toISOString().slice(0, 16)),
  version: require(path.join(process.argv[2], 'node_modules', 'astronomy-engine', 'package.json')).version,
}));
