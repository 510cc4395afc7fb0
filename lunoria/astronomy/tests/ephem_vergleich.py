#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Lunoria and Deskora developers
"""Compares what the astronomy tab shows with PyEphem, an independent ephemeris, over 1990-2030
in three real zones (Europe/Berlin, America/New_York, Australia/Sydney):

- every new and full moon is named on its local day, with the local clock time within two
  minutes of PyEphem's instant converted with the zone's real offsets (zoneinfo);
- no other day names one;
- the waxing flag (and the word of the percentage text) is right for every day at the instant
  the moon is computed for, 0 h of the date taken as universal time;
- the local season starts lie close to PyEphem's equinoxes and solstices (the series leave
  out nutation, worth up to about seven minutes either way).

Usage: ephem_vergleich.py PATH_OF_astronomy_vergleichsdaten
"""

import bisect
import datetime as dt
import os
import re
import subprocess
import sys

try:
    import ephem
    from zoneinfo import ZoneInfo
except ImportError as fehler:
    sys.exit(f"ephem_vergleich: {fehler}; scripts/install-deps installs python3-ephem")

VON, BIS = 1990, 2030
ORTE = [  # zone, latitude north, longitude WEST positive as the program takes it
    ("Europe/Berlin", 52.52, -13.405),
    ("America/New_York", 40.71, 74.01),
    ("Australia/Sydney", -33.87, -151.21),
]
UTC = dt.timezone.utc
MJD0 = dt.datetime(1858, 11, 17, tzinfo=UTC)
MINUTE = dt.timedelta(minutes=1)

# Limits the test holds; the figures themselves are printed.
EREIGNIS_TOLERANZ_MIN = 2.0
JAHRESZEIT_MAX_MIN = 9.0
JAHRESZEIT_MITTEL_MIN = 2.0
# Near an event the flag may go either way: the program treats 0 h as universal time in its
# dynamical series (Delta T about a minute) and the series differ by well under a minute.
ZWEIFEL = dt.timedelta(minutes=3)


def utc(d):
    return d.datetime().replace(tzinfo=UTC)


def mondereignisse():
    """(instant UTC, 'Neumond' | 'Vollmond'), sorted, a little beyond the range either side."""
    ereignisse = []
    for suche, name in ((ephem.next_new_moon, "Neumond"), (ephem.next_full_moon, "Vollmond")):
        d = ephem.Date(f"{VON - 1}/12/1")
        while True:
            d = suche(d)
            if d.datetime().year > BIS + 1:
                break
            ereignisse.append((utc(d), name))
            d = ephem.Date(d + 1)
    return sorted(ereignisse)


def jahreszeiten(jahr):
    """The four season starts of the year in UTC."""
    d = ephem.Date(f"{jahr}/1/1")
    zeiten = []
    for suche in (ephem.next_equinox, ephem.next_solstice, ephem.next_equinox, ephem.next_solstice):
        d = suche(d)
        zeiten.append(utc(d))
    return zeiten


def lokal_naiv(mjd):
    """A local MJD of the program as a naive local date and time."""
    return (MJD0 + dt.timedelta(days=mjd)).replace(tzinfo=None)


def lies_ausgabe(programm, zone, breite, laenge):
    umgebung = dict(os.environ, TZ=zone)
    aus = subprocess.run([programm, str(breite), str(laenge), str(VON), str(BIS)], env=umgebung,
                         check=True, capture_output=True, text=True).stdout
    tage, jahre = {}, {}
    for zeile in aus.splitlines():
        teile = zeile.split(" ", 3)
        if teile[0] == "T":
            tage[int(teile[1])] = (teile[2] == "1", teile[3])
        elif teile[0] == "J":
            jahre[int(teile[1])] = [float(x) for x in zeile.split()[2:]]
    return tage, jahre


def pruefe_ort(programm, zone, breite, laenge, ereignisse):
    zi = ZoneInfo(zone)
    tage, jahre = lies_ausgabe(programm, zone, breite, laenge)
    fehler = []
    muster = re.compile(r"^(Neumond|Vollmond) \((\d\d):(\d\d) Uhr\)$")

    # Events: the local day names it, at the right minute.
    abweichungen, falscher_tag, erwartete_tage = [], 0, set()
    for moment, name in ereignisse:
        lokal = moment.astimezone(zi).replace(tzinfo=None)
        if not (VON <= lokal.year <= BIS):
            continue
        tag = (dt.datetime(lokal.year, lokal.month, lokal.day) - MJD0.replace(tzinfo=None)).days
        # Within two minutes of midnight either neighbouring day is fair.
        kandidaten = [tag]
        mitternacht = dt.datetime(lokal.year, lokal.month, lokal.day)
        if lokal - mitternacht < 2 * MINUTE:
            kandidaten.append(tag - 1)
        if mitternacht + dt.timedelta(days=1) - lokal < 2 * MINUTE:
            kandidaten.append(tag + 1)
        gefunden = None
        for k in kandidaten:
            m = muster.match(tage.get(k, (False, ""))[1])
            if m and m.group(1) == name:
                gefunden = (k, m)
                break
        if gefunden is None:
            falscher_tag += 1
            fehler.append(f"{zone}: {name} {lokal:%d.%m.%Y %H:%M} not shown on its day "
                          f"(shown: {tage.get(tag, (False, '?'))[1]!r})")
            continue
        k, m = gefunden
        erwartete_tage.add(k)
        gezeigt = lokal_naiv(k) + dt.timedelta(hours=int(m.group(2)), minutes=int(m.group(3)))
        fehler_min = (gezeigt - lokal).total_seconds() / 60
        abweichungen.append(fehler_min)
        if abs(fehler_min) > EREIGNIS_TOLERANZ_MIN:
            fehler.append(f"{zone}: {name} {lokal:%d.%m.%Y %H:%M} shown as {m.group(0)!r} "
                          f"({fehler_min:+.1f} min)")
    for k, (_, text) in tage.items():
        if muster.match(text) and k not in erwartete_tage:
            falscher_tag += 1
            fehler.append(f"{zone}: {lokal_naiv(k):%d.%m.%Y} shows {text!r} without an event that day")

    # Waxing: the last new or full moon before 0 h UT of the date decides.
    momente = [e[0] for e in ereignisse]
    zunehmend_falsch, zweifel = 0, 0
    for k, (zunehmend, text) in sorted(tage.items()):
        moment = MJD0 + dt.timedelta(days=k)
        i = bisect.bisect_right(momente, moment)
        naechster = min(abs(moment - momente[i - 1]), abs(momente[i] - moment))
        if naechster < ZWEIFEL:
            zweifel += 1
            continue
        richtig = ereignisse[i - 1][1] == "Neumond"
        wort = "zunehmend" if zunehmend else "abnehmend"
        if zunehmend != richtig or ("%" in text and not text.endswith(wort)):
            zunehmend_falsch += 1
            fehler.append(f"{zone}: {lokal_naiv(k):%d.%m.%Y} says {text!r}, "
                          f"{'waxing' if richtig else 'waning'} at 0 h UT")

    # Season starts in local clock time.
    jz = []
    for jahr in range(VON, BIS + 1):
        for gezeigt, wahr in zip(jahre[jahr], jahreszeiten(jahr)):
            wahr_lokal = wahr.astimezone(zi).replace(tzinfo=None)
            jz.append((lokal_naiv(gezeigt) - wahr_lokal).total_seconds() / 60)

    n = len(abweichungen)
    print(f"{zone}: {n} new and full moons, error max {max(map(abs, abweichungen)):.2f} min, "
          f"mean {sum(abweichungen) / n:+.2f} min, mean |error| {sum(map(abs, abweichungen)) / n:.2f} min; "
          f"days wrong {falscher_tag}")
    print(f"{zone}: waxing word wrong on {zunehmend_falsch} of {len(tage)} days "
          f"({zweifel} days within {ZWEIFEL.seconds // 60} min of an event not judged)")
    jz_max = max(jz, key=abs)
    jz_mittel = sum(jz) / len(jz)
    print(f"{zone}: {len(jz)} season starts, error max {jz_max:+.2f} min, mean {jz_mittel:+.2f} min, "
          f"mean |error| {sum(map(abs, jz)) / len(jz):.2f} min")
    if abs(jz_max) > JAHRESZEIT_MAX_MIN or abs(jz_mittel) > JAHRESZEIT_MITTEL_MIN:
        fehler.append(f"{zone}: season starts off by up to {jz_max:+.2f} min (mean {jz_mittel:+.2f})")
    return fehler


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    ereignisse = mondereignisse()
    fehler = []
    for zone, breite, laenge in ORTE:
        fehler += pruefe_ort(sys.argv[1], zone, breite, laenge, ereignisse)
    for f in fehler[:60]:
        print("FAIL", f)
    if len(fehler) > 60:
        print(f"FAIL ... and {len(fehler) - 60} more")
    sys.exit(1 if fehler else 0)


if __name__ == "__main__":
    main()
