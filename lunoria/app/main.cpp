// Lunoria: the calendar and astronomy information window.
//
// LUNORIA_BEENDEN_NACH_START=1 makes the program end as soon as its window has been painted
// once, after writing "erstes-bild <seconds>" to standard output: the moment of the finished
// first paint on the monotonic clock (CLOCK_MONOTONIC). The start-time measurement in bench/
// uses it.
#include <QApplication>
#include <clocale>
#include <thread>

#include "erstesbild.h"
#include "kalender1.h"
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
    lunoria::TKalender1 fenster;
    fenster.show();
    return QApplication::exec();
}
