#!/usr/bin/python3
"""PyEphem doing the program's two jobs; prints CPU microseconds per job as JSON.

Job "tag": for 23.05.1998 at the program's default place (49.47 N, 9.65 E), sun and moon rise
and set of the local day, the moon's lit fraction, and the next new and full moon.
Job "jahreszeiten": the four season starts of 1998.
"""
import json
import sys
import time

import ephem

PLACE = ("49.47", "9.65")
# Local midnight of 23.05.1998 in central European summer time, in UTC.
START = ephem.Date("1998/5/22 22:00:00")


def tag():
    obs = ephem.Observer()
    obs.lat, obs.lon = PLACE
    obs.date = START
    obs.pressure = 0
    sun, moon = ephem.Sun(), ephem.Moon()
    r = (obs.next_rising(sun), obs.next_setting(sun),
         obs.next_rising(moon), obs.next_setting(moon))
    moon.compute(obs)
    return r, moon.moon_phase, ephem.next_new_moon(START), ephem.next_full_moon(START)


def jahreszeiten():
    d = ephem.Date("1998/1/1")
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
                      "version": ephem.__version__}))
