// Lunoria: the calendar and astronomy information window.
#include <QApplication>
#include <clocale>

#include "kalender1.h"
#include "systemquellen.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Numbers are formatted with the regional separators by the program itself; the C library
    // keeps the neutral decimal point that parsing and formatting code expects.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Lunoria"));
    QApplication::setDesktopFileName(QStringLiteral("lunoria"));
    lunoria::InstalliereSystemQuellen();
    lunoria::TKalender1 fenster;
    fenster.show();
    return QApplication::exec();
}
