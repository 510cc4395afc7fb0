// Lunoria: the calendar and astronomy information window.
//
// LUNORIA_BEENDEN_NACH_START=1 makes the program end as soon as its window has been painted
// once, after writing "erstes-bild <seconds>" to standard output: the moment of the finished
// first paint on the monotonic clock (CLOCK_MONOTONIC). The start-time measurement in bench/
// uses it.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <clocale>
#include <cstdio>

#include "kalender1.h"
#include "systemquellen.h"

namespace {

// Ends the event loop once the first paint event has been handled in full.
class NachErstemBildBeenden : public QObject {
protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        // A shown widget's paint: pictures painted off screen during the start do not count.
        const auto* widget = qobject_cast<const QWidget*>(ziel);
        if (ereignis->type() == QEvent::Paint && widget && widget->isVisible()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                const auto jetzt = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("erstes-bild %.6f\n", std::chrono::duration<double>(jetzt).count());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(ziel, ereignis);
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Numbers are formatted with the regional separators by the program itself; the C library
    // keeps the neutral decimal point that parsing and formatting code expects.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Lunoria"));
    QApplication::setDesktopFileName(QStringLiteral("lunoria"));
    lunoria::InstalliereSystemQuellen();
    NachErstemBildBeenden beenden;
    if (qEnvironmentVariableIntValue("LUNORIA_BEENDEN_NACH_START") == 1)
        app.installEventFilter(&beenden);
    lunoria::TKalender1 fenster;
    fenster.show();
    return QApplication::exec();
}
