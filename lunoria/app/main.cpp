// Lunoria: the calendar and astronomy information window.
//
// LUNORIA_BEENDEN_NACH_START=1 makes the program end as soon as its window has been painted
// once, after writing "erstes-bild <seconds>" to standard output: the moment of the finished
// first paint on the monotonic clock (CLOCK_MONOTONIC). The start-time measurement in bench/
// uses it.
#include <QApplication>
#include <clocale>
#include <optional>
#include <cstdio>
#include <string>
#include <thread>

#include "erstesbild.h"
#include "kalender1.h"
#include "orte.h"
#include "controls/schriften.h"
#include "systemquellen.h"

int main(int argc, char* argv[])
{
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
    std::string ortName;
    const QStringList argumente = QApplication::arguments();
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        if (argumente[i] == QStringLiteral("--ort") && i + 1 < argumente.size())
            ortName = argumente[++i].toStdString();
        else if (argumente[i].startsWith(QStringLiteral("--ort=")))
            ortName = argumente[i].mid(6).toStdString();
    }
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
