// The yardstick of the start-time measurement: a bare Qt Widgets program that shows one empty
// window and, as Lunoria and Deskora do under their *_BEENDEN_NACH_START=1, ends once the window
// has been painted, after writing "erstes-bild <seconds>" (the monotonic clock) to standard
// output.
//
//   startzeit-leer           the empty window
//   startzeit-leer --text    the same with one line of text: what the first text costs any
//                            program (Qt reads the font configuration and loads a font)
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

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
    NachErstemBildBeenden beenden;
    app.installEventFilter(&beenden);
    QWidget fenster;
    fenster.resize(400, 300);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* zeile = new QLabel(QStringLiteral("Brinvale Kalender"), &fenster);
        zeile->move(10, 10);
    }
    fenster.show();
    return QApplication::exec();
}
