// Deskora's start: the planner window on today's page.
//
// 1. The application's title is "Deskora" and its handbook "deskora.html".
// 2. The window is built; while its components load, the single-instance guard runs and may
//    ask this copy to end, and the tray icon starts watching for the window's minimise.
// 3. The window's creation sets the date format "dd.mm.yy" and shows today.
// 4. The event loop runs until the window is closed; a copy asked to end leaves at once,
//    without ever showing its window.

#include "app/form1.h"
#include "app/helpviewer.h"
#include "app/shellpictures.h"

#include "pad/errors.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Deskora"));
    QApplication::setWindowIcon(deskora::ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("deskora"));
    deskora::SetHelpFile(QStringLiteral("deskora.html"));

    // The standard error message box: the program's title, a stop icon and an OK button.
    deskora::SetErrorHook([](const QString& text) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                              text);
    });

    deskora::TForm1 form;
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager& manager) { form.CommitData(manager); },
                     Qt::DirectConnection);
    if (form.ShowAtStart())
        form.show();
    return app.exec();
}
