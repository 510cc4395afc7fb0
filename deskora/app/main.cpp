// Deskora's start: one desk pad on today's page, in a navy window.
//
// The planner window with its buttons, tray icon and single-instance guard is built on top of
// this; until then the window holds the pad alone, with the settings the planner gives it.

#include "pad/calendarpad.h"
#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/errors.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QWidget>

namespace {

QFont ArialFont(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize((points * 96 + 36) / 72);
    return font;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Deskora"));

    // The standard error message box: the program's title, a stop icon and an OK button.
    deskora::SetErrorHook([](const QString& text) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                              text);
    });

    QWidget window;
    window.setWindowTitle(QStringLiteral(" Terminplaner"));
    window.setFixedSize(deskora::TCalendarPad::PadWidth + 4,
                        deskora::TCalendarPad::PadHeight + 4);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    auto* pad = new deskora::TCalendarPad(&window);
    pad->move(2, 2);
    pad->setYearColor(Qt::black);
    pad->setMonthColor(Qt::black);
    pad->setDateColor(Qt::white);
    pad->setDayColor(Qt::white);
    pad->setDateBackgroundColor(Qt::red);
    // The footer keeps the pad's black: white would vanish on the white page.
    pad->setTimeColor(Qt::black);
    pad->setTimeFieldColor(Qt::black);
    pad->setCurrentTimeColor(Qt::red);
    pad->setLanguage(deskora::laDefault);
    pad->setExtensionFile(QStringLiteral("000"));
    pad->setStartTime(7);
    pad->setDestroyDelay(10);
    QFont padFont = ArialFont(9);
    pad->setFont(padFont);
    pad->setSoundFileName(QStringLiteral("paper.wav"));
    pad->setSoundEffect(true);

    // Every pad date is "dd.mm.yy".
    deskora::SetDateFormatSettings({QStringLiteral("dd.mm.yy"), QLatin1Char('.')});
    pad->setDate(deskora::WriteDate(deskora::Now().date()));

    window.show();
    return app.exec();
}
