// Lunoria: the calendar and astronomy information window.
#include <QApplication>

#include "kalender1.h"
#include "systemquellen.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lunoria"));
    lunoria::InstalliereSystemQuellen();
    lunoria::TKalender1 fenster;
    fenster.show();
    return QApplication::exec();
}
