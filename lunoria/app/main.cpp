// Lunoria: the calendar and astronomy information window.
//
// LUNORIA_BEENDEN_NACH_START=1 makes the program end as soon as its window has been painted
// once: the start-time measurement in bench/ times the whole start with it.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <clocale>

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
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
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
