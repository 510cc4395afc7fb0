#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Lunoria and Deskora developers
"""PyEphem doing the program's two jobs; prints CPU microseconds per job as JSON.

Job "tag": one date per call, at the program's default place (49.47 N, 9.65 E): sun and moon
rise and set within the local day, the moon's lit fraction at 0 h UT, and whether a new or a
full moon falls within the day, with its instant. The dates are the 15th of the months
1900 ... 2099 in the order month number = call number * 997 mod 2400, the same sequence the
program and Astronomy Engine take; local midnight follows CET-1CEST,M3.5.0,M10.5.0/3, under
which the 15th of April ... October is summer time (22:00 UTC the day before) and of the other
months winter time (23:00 UTC the day before).

PyEphem's searches have no end: a rising or setting is searched from local midnight and counts
only before the next one (none when the body stays up or down). New and full moon: PyEphem
finds only the next one, however far; so the elongation of the moon from the sun (ecliptic
longitudes) is taken at both midnights, and only when it passes 0 or 180 degrees within the day
is the instant searched with next_new_moon / next_full_moon from the day's start. That is the
question the day asks, as cheaply as PyEphem can answer it.
Job "jahreszeiten": the four season starts of a year, the years 1900 ... 2099 in turn.
"""
import json
import math
import sys
import time

import ephem

MONATE = 2400
SCHRITT = 997
ZWEI_PI = 2 * math.pi


def datum(n):
    """Year, month (1 ... 12) and local midnight of the n-th date, in UTC."""
    m = n * SCHRITT % MONATE
    jahr, monat = 1900 + m // 12, m % 12 + 1
    stunde = 22 if 4 <= monat <= 10 else 23
    return jahr, monat, ephem.Date((jahr, monat, 14, stunde, 0, 0))


def elongation(d):
    """Ecliptic longitude of the moon less that of the sun at d, 0 ... 2 pi."""
    sonne, mond = ephem.Sun(d), ephem.Moon(d)
    return (ephem.Ecliptic(mond, epoch=d).lon - ephem.Ecliptic(sonne, epoch=d).lon) % ZWEI_PI


def im_tag(suche, koerper, start, ende):
    try:
        d = suche(koerper, start=start)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    return d if d < ende else None


BEOBACHTER = ephem.Observer()
BEOBACHTER.lat, BEOBACHTER.lon = "49.47", "9.65"
BEOBACHTER.pressure = 0  # no refraction model: the horizon below takes it, as the program does
BEOBACHTER.horizon = "-0:34"
nummer = 0


def tag():
    global nummer
    jahr, monat, start = datum(nummer)
    nummer = (nummer + 1) % MONATE
    ende = ephem.Date(start + 1)
    o = BEOBACHTER
    o.date = start
    sonne, mond = ephem.Sun(), ephem.Moon()
    auf_unter = (im_tag(o.next_rising, sonne, start, ende), im_tag(o.next_setting, sonne, start, ende),
                 im_tag(o.next_rising, mond, start, ende), im_tag(o.next_setting, mond, start, ende))
    phase = ephem.Moon(ephem.Date((jahr, monat, 15))).moon_phase
    w0, w1 = elongation(start), elongation(ende)
    gewinn = (w1 - w0) % ZWEI_PI
    ereignis = None
    if w1 < gewinn:
        ereignis = ephem.next_new_moon(start)
    elif (w1 - math.pi) % ZWEI_PI < gewinn:
        ereignis = ephem.next_full_moon(start)
    if ereignis is not None and ereignis >= ende:
        ereignis = None
    return auf_unter, phase, ereignis


jahr_nummer = 1900


def jahreszeiten():
    global jahr_nummer
    d = ephem.Date((jahr_nummer, 1, 1))
    jahr_nummer = 1900 if jahr_nummer == 2099 else jahr_nummer + 1
    return (ephem.next_vernal_equinox(d), ephem.next_summer_solstice(d),
            ephem.next_autumnal_equinox(d), ephem.next_winter_solstice(d))


def cpu_us(job, seconds):
    n, used = 0, 0.0
    start = time.process_time()
    while used < seconds:
        job()
        n += 1
        used = time.process_time() - start
    return used / n * 1e6


if __name__ == "__main__":
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 1.0
    print(json.dumps({"tag": cpu_us(tag, seconds),
                      "jahreszeiten": cpu_us(jahreszeiten, seconds),
                      "erste_tage": [datum(n)[2].datetime().strftime("%Y-%m-%dT%H:%M") for n in range(3)],
                      "version": ephem.__version__}))
