// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Lunoria: the calendar and astronomy information window.
//
// LUNORIA_BEENDEN_NACH_START=1 makes the program end as soon as its window has been painted
// once, after writing "erstes-bild <seconds>" to standard output: the moment of the finished
// first paint on the monotonic clock (CLOCK_MONOTONIC). The start-time measurement in bench/
// uses it.
//
// The options are read before the application object is made, so that --help, --version and a
// wrong call are answered without a display (over ssh, on a text console). Exit status 0 after
// --help and --version, 2 after a wrong call or an unknown place.
#include <QApplication>
#include <clocale>
#include <optional>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "common/qtoptionen.h"

#include "erstesbild.h"
#include "kalender1.h"
#include "orte.h"
#include "controls/schriften.h"
#include "systemquellen.h"

namespace {

constexpr const char* Kurzaufruf = "Aufruf: lunoria [--ort NAME] [Qt-Optionen]\n";

constexpr const char* Aufruf =
    "Aufruf: lunoria [--ort NAME] [Qt-Optionen]\n"
    "\n"
    "Monatskalender mit Tagesangaben, Sonne, Mond und Jahreszeiten.\n"
    "\n"
    "  --ort NAME     mit dem Ort dieses Namens aus der Ortsliste starten, ohne ihn zu speichern\n"
    "  --help, -h     diese Hilfe\n"
    "  --version      Name und Version des Programms\n"
    "\n"
    "Dazu die üblichen Optionen jedes Qt-Programms, etwa -platform NAME oder -style NAME.\n";

// What the command line asks for.
struct TAufruf {
    int Ende = -1;        // the exit status when the program is to end at once, else -1
    std::string OrtName;  // --ort: the place for this run only; empty: the stored one
};

// A wrong call: the reason and the short usage on standard error, status 2.
int FalscherAufruf(const std::string& grund)
{
    std::fprintf(stderr, "lunoria: %s\n%s»lunoria --help« zeigt mehr.\n", grund.c_str(), Kurzaufruf);
    return 2;
}

// Reads argv, before Qt has seen it; Qt's own options are let through to it.
TAufruf Befehlszeile(int argc, char** argv)
{
    TAufruf aufruf;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(Aufruf, stdout);
            aufruf.Ende = 0;
            return aufruf;
        }
        if (std::strcmp(arg, "--version") == 0) {
            std::puts("lunoria " PROGRAMM_VERSION);
            aufruf.Ende = 0;
            return aufruf;
        }
        if (std::strcmp(arg, "--ort") == 0 || std::strncmp(arg, "--ort=", 6) == 0) {
            const char* name = arg[5] == '=' ? arg + 6 : (i + 1 < argc ? argv[++i] : "");
            if (*name == '\0') {
                aufruf.Ende = FalscherAufruf("Option »--ort« verlangt einen Ortsnamen");
                return aufruf;
            }
            aufruf.OrtName = name;
            continue;
        }
        if (const int n = befehlszeile::QtOption(argc, argv, i); n > 0) {
            i += n - 1;
            continue;
        }
        aufruf.Ende = FalscherAufruf((arg[0] == '-' ? "unbekannte Option »" : "überzähliges Argument »") +
                                     std::string(arg) + "«");
        return aufruf;
    }
    return aufruf;
}

}  // namespace

int main(int argc, char* argv[])
{
    const TAufruf aufruf = Befehlszeile(argc, argv);
    if (aufruf.Ende >= 0)
        return aufruf.Ende;
    std::jthread schriftkonfiguration = lunoria::SchriftkonfigurationLesen();
    QApplication app(argc, argv);
    // Numbers are formatted with the regional separators by the program itself; the C library
    // keeps the neutral decimal point that parsing and formatting code expects.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Lunoria"));
    QApplication::setDesktopFileName(QStringLiteral("lunoria"));
    lunoria::InstalliereSystemQuellen();
    lunoria::TNachErstemBildBeenden beenden;
    if (qEnvironmentVariableIntValue("LUNORIA_BEENDEN_NACH_START") == 1)
        app.installEventFilter(&beenden);
    schriftkonfiguration.join();
    // The place: `--ort NAME` for this run only, else the stored one.
    const std::string& ortName = aufruf.OrtName;
    lunoria::TOrt ort;
    if (!ortName.empty()) {
        const std::optional<lunoria::TOrt> gefunden = lunoria::BesterOrt(ortName);
        if (!gefunden) {
            std::fprintf(stderr, "lunoria: kein Ort \"%s\" in der Ortsliste\n", ortName.c_str());
            return 2;
        }
        ort = *gefunden;
    } else {
        std::string meldung;
        ort = lunoria::OrtLaden(lunoria::OrtsDatei(), meldung);
        if (!meldung.empty())
            std::fprintf(stderr, "lunoria: %s\n", meldung.c_str());
    }
    lunoria::TKalender1 fenster;
    fenster.setOrt(ort, false);  // stored already, or not to be stored
    fenster.show();
    return QApplication::exec();
}
