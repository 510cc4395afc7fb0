#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Lunoria and Deskora developers
"""Start time of Lunoria and Deskora against a bare Qt Widgets window.

Each program is started many times, the three in turn within every round (so that a change of
the machine's load hits all of them alike), and each start is timed from the process's launch to
its finished first paint, which the program reports on standard output ("erstes-bild
<seconds>" on the monotonic clock); also to the process's end and its CPU time, which the
machine's other load disturbs less. The programs end by themselves once their first window has
been painted: startzeit-leer always, lunoria with LUNORIA_BEENDEN_NACH_START=1, deskora with
DESKORA_BEENDEN_NACH_START=1. Prints the medians per program and their ratios to the bare window;
for comparison also the bare window with one line of text ("startzeit-leer --text"), whose
start includes what the first text costs any program: Qt reads the font configuration and
loads a font.

    bench/startzeit.py [--bin build/bin] [--runden 30] [--plattform offscreen|xvfb|beide]
                       [--grenze 1.3]

--plattform xvfb starts its own Xvfb and runs the programs on Qt's xcb platform; offscreen uses
Qt's offscreen platform; beide measures both. Deskora runs in an empty temporary folder with its
own runtime folder (its lock files), so no entries of the user's are read. The exit status is 1
when a program's median time to its first paint exceeds the bare window's by more than
--grenze, 2 when a start failed.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

PROGRAMME = ["startzeit-leer", "lunoria", "deskora"]
ZEITLIMIT = 20  # seconds for one start; a program that hangs has failed


def start_zeit(programm, umgebung, ordner):
    """Seconds from the launch to the finished first paint, to the process's end, and the
    process's CPU time (user and system)."""
    with tempfile.TemporaryFile() as ausgabe, tempfile.TemporaryFile() as fehlerausgabe:
        beginn = time.monotonic()
        prozess = subprocess.Popen(programm.split(" "), env=umgebung, cwd=ordner, stdin=subprocess.DEVNULL,
                                   stdout=ausgabe, stderr=fehlerausgabe)
        try:
            _, status, nutzung = os.wait4(prozess.pid, 0)
        except BaseException:
            prozess.kill()
            raise
        ende = time.monotonic()
        prozess.returncode = os.waitstatus_to_exitcode(status)
        if prozess.returncode != 0:
            fehlerausgabe.seek(0)
            raise RuntimeError(f"{programm} endete mit Status {prozess.returncode}: "
                               f"{fehlerausgabe.read().decode(errors='replace').strip()}")
        ausgabe.seek(0)
        bild = None
        for zeile in ausgabe.read().decode(errors="replace").splitlines():
            if zeile.startswith("erstes-bild "):
                bild = float(zeile.split()[1])
        if bild is None:
            raise RuntimeError(f"{programm} meldete kein erstes Bild")
    return bild - beginn, ende - beginn, nutzung.ru_utime + nutzung.ru_stime


def freier_bildschirm():
    for nummer in range(90, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{nummer}") and not os.path.exists(f"/tmp/.X{nummer}-lock"):
            return nummer
    raise RuntimeError("kein freier X-Bildschirm")


def xvfb_starten():
    if not shutil.which("Xvfb"):
        raise RuntimeError("Xvfb fehlt (Debian: xvfb)")
    nummer = freier_bildschirm()
    prozess = subprocess.Popen(["Xvfb", f":{nummer}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(f"/tmp/.X11-unix/X{nummer}"):
            return prozess, f":{nummer}"
        if prozess.poll() is not None:
            break
        time.sleep(0.05)
    prozess.kill()
    raise RuntimeError("Xvfb startete nicht")


def messen(pfade, runden, plattform, ordner):
    umgebung = dict(os.environ)
    umgebung["LUNORIA_BEENDEN_NACH_START"] = "1"
    umgebung["DESKORA_BEENDEN_NACH_START"] = "1"
    laufzeit = os.path.join(ordner, "laufzeit")
    os.makedirs(laufzeit, mode=0o700, exist_ok=True)
    umgebung["XDG_RUNTIME_DIR"] = laufzeit
    arbeit = os.path.join(ordner, "arbeit")
    os.makedirs(arbeit, exist_ok=True)
    xvfb = None
    try:
        if plattform == "xvfb":
            xvfb, anzeige = xvfb_starten()
            umgebung["QT_QPA_PLATFORM"] = "xcb"
            umgebung["DISPLAY"] = anzeige
        else:
            umgebung["QT_QPA_PLATFORM"] = "offscreen"
        zeiten = {p: [] for p in pfade}
        # Two rounds unmeasured: they bring the libraries and fonts into the page cache.
        for runde in range(runden + 2):
            # The order turns each round, so that no program always follows the same one.
            reihe = pfade[runde % len(pfade):] + pfade[:runde % len(pfade)]
            for p in reihe:
                messung = start_zeit(p, umgebung, arbeit)
                if runde >= 2:
                    zeiten[p].append(messung)
        return zeiten
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()


def main():
    wurzel = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    a = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    a.add_argument("--bin", default=os.path.join(wurzel, "build", "bin"), help="folder of the built programs")
    a.add_argument("--runden", type=int, default=30, help="measured starts per program")
    a.add_argument("--plattform", choices=["offscreen", "xvfb", "beide"], default="beide")
    a.add_argument("--grenze", type=float, default=1.3, help="largest allowed ratio to the bare window")
    args = a.parse_args()

    pfade = [os.path.join(os.path.abspath(args.bin), p) for p in PROGRAMME]
    for p in pfade:
        if not os.access(p, os.X_OK):
            print(f"fehlt: {p} (erst bauen)", file=sys.stderr)
            return 2
    plattformen = ["offscreen", "xvfb"] if args.plattform == "beide" else [args.plattform]
    zu_langsam = False
    leer_mit_text = f"{pfade[0]} --text"
    with open("/proc/loadavg") as last:
        last_vorher = " ".join(last.read().split()[:3])
    with tempfile.TemporaryDirectory(prefix="startzeit-") as ordner:
        for plattform in plattformen:
            try:
                zeiten = messen(pfade + [leer_mit_text], args.runden, plattform, ordner)
            except (RuntimeError, subprocess.TimeoutExpired) as fehler:
                print(f"{plattform}: {fehler}", file=sys.stderr)
                return 2
            def median(p, i):
                return statistics.median(m[i] for m in zeiten[p])

            print(f"{plattform}, {args.runden} Starts je Programm, Mediane in ms (Verhältnis zum leeren Fenster):")
            print(f"  {'':22} {'bis zum ersten Bild':>19}  {'bis zum Ende':>15}  {'CPU-Zeit':>15}")
            for p in pfade + [leer_mit_text]:
                spalten = []
                for i in range(3):
                    wert = median(p, i)
                    spalten.append(f"{wert * 1000:7.1f} {wert / median(pfade[0], i):5.2f}")
                verhaeltnis = median(p, 0) / median(pfade[0], 0)
                urteil = ""
                if p in pfade[1:]:
                    urteil = "  ok" if verhaeltnis <= args.grenze else f"  über {args.grenze}"
                    zu_langsam |= verhaeltnis > args.grenze
                name = os.path.basename(p)
                print(f"  {name:22} {spalten[0]:>19}  {spalten[1]:>15}  {spalten[2]:>15}{urteil}")
    with open("/proc/loadavg") as last:
        print(f"Last (1, 5, 15 min): zu Beginn {last_vorher}, am Ende", " ".join(last.read().split()[:3]))
    return 1 if zu_langsam else 0


if __name__ == "__main__":
    sys.exit(main())
