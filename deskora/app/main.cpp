// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Deskora's start: the planner window on today's page.
//
// 1. The application's title is "Deskora" and its handbook "deskora.html".
// 2. The window is built; while its components load, the single-instance guard runs and may
//    ask this copy to end, and the tray icon starts watching for the window's minimise.
// 3. The window's creation sets the date format "dd.mm.yy" and shows today.
// 4. The event loop runs until the window is closed; a copy asked to end leaves at once,
//    without ever showing its window.
//
// A request to end from outside (SIGTERM, SIGHUP, as desktops send them at logout, and SIGINT,
// Ctrl+C in a terminal) saves the shown page and ends with status 0. Where the save fails, the
// page goes to a rescue file in the user's state folder, standard error says where, and the
// program ends with status 1 all the same, within two seconds; the next start tells the user.
//
// The day files are kept in the folder the program was started from; with --heimordner (the
// menu entry passes it) in ~/Deskora, created when missing. Where that folder cannot be used
// (HOME unset, the folder a file, no right to create or write it), the program says why, in a
// message box as well as on standard error, and ends with status 1.
//
// --help and --version print the usage or "deskora <version>" and end with status 0, a wrong
// call (an unknown option) ends with status 2; all three before the program needs a display.
//
// DESKORA_BEENDEN_NACH_START=1 makes the program end as soon as its window has been painted once
// (or at once when it shows none), after writing "erstes-bild <seconds>" to standard output: the
// moment of the finished first paint on the monotonic clock (CLOCK_MONOTONIC). The start-time
// measurement in bench/ uses it.

#include "app/form1.h"
#include "app/helpviewer.h"
#include "app/homefolder.h"
#include "common/qtoptionen.h"

#include "pad/entryfiles.h"
#include "pad/errors.h"
#include "pad/padfonts.h"
#include "pad/rescue.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr const char* Kurzaufruf = "Aufruf: deskora [--heimordner] [Qt-Optionen]\n";

constexpr const char* Aufruf =
    "Aufruf: deskora [--heimordner] [Qt-Optionen]\n"
    "\n"
    "Terminplaner: eine Seite eines Tischkalenders, Tag für Tag. Die Einträge eines Tages liegen\n"
    "in zwei Dateien (TTMMJJN.000 und TTMMJJT.000) im Ordner, in dem das Programm gestartet "
    "wurde.\n"
    "\n"
    "  --heimordner   die Tagesdateien in ~/Deskora führen (wird angelegt, wenn er fehlt),\n"
    "                 wie beim Start aus dem Anwendungsmenü\n"
    "  --help, -h     diese Hilfe\n"
    "  --version      Name und Version des Programms\n"
    "\n"
    "Dazu die üblichen Optionen jedes Qt-Programms, etwa -platform NAME oder -style NAME.\n";

// Tells the user why the folder of the day files cannot be used, which ends the program before
// its window opens: on standard error, and in a message box, since nobody reads standard error
// when the program was started from a menu. A platform without a screen (offscreen, minimal)
// would show the box to nobody, and nobody could close it: there standard error alone tells.
void ReportUnusableFolder(const QString& reason)
{
    const QString what = QStringLiteral(
        "Der Ordner für die Tagesdateien kann nicht benutzt werden:");
    std::fprintf(stderr, "deskora: %s %s\n", qPrintable(what), qPrintable(reason));
    std::fflush(stderr);
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    // The reason in a paragraph of its own, where the folder's path is not broken apart.
    QMessageBox::critical(nullptr, QStringLiteral("Deskora"),
                          what + QStringLiteral("\n\n") + reason);
}

// What the command line asks for.
struct TAufruf {
    int Ende = -1;            // the exit status when the program is to end at once, else -1
    bool Heimordner = false;  // --heimordner: the day files in ~/Deskora
};

// A wrong call: the reason and the short usage on standard error, status 2.
int FalscherAufruf(const std::string& grund)
{
    std::fprintf(stderr, "deskora: %s\n%s»deskora --help« zeigt mehr.\n", grund.c_str(),
                 Kurzaufruf);
    return 2;
}

// Reads argv before the application object is made, so that --help, --version and a wrong call
// are answered without a display (over ssh, on a text console). Qt's own options are let
// through to it.
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
            std::puts("deskora " PROGRAMM_VERSION);
            aufruf.Ende = 0;
            return aufruf;
        }
        if (std::strcmp(arg, "--heimordner") == 0) {
            aufruf.Heimordner = true;
            continue;
        }
        if (const int n = befehlszeile::QtOption(argc, argv, i); n > 0) {
            i += n - 1;
            continue;
        }
        aufruf.Ende = FalscherAufruf(
            (arg[0] == '-' ? "unbekannte Option »" : "überzähliges Argument »") + std::string(arg)
            + "«");
        return aufruf;
    }
    return aufruf;
}

// --heimordner: makes ~/Deskora the current folder, created when missing. Returns the exit
// status 1 when the folder cannot be used (the user has been told why), else -1.
int InDenHeimordner()
{
    const deskora::THomeFolder heim = deskora::PrepareHomeFolder(qEnvironmentVariable("HOME"));
    QString problem = heim.Problem;
    if (problem.isEmpty() && ::chdir(QFile::encodeName(heim.Folder).constData()) != 0) {
        problem = QStringLiteral("Der Wechsel nach %1 ist nicht möglich: %2.")
                      .arg(QDir::toNativeSeparators(heim.Folder),
                           QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!problem.isEmpty()) {
        ReportUnusableFolder(problem);
        return 1;
    }
    return -1;
}

// The pipe that carries a termination signal into the event loop: the handler writes the
// signal's number into [0], the loop reads it from [1].
int SignalPipe[2] = {-1, -1};
// The status to end with once a request to end has been handled, for the watchdog.
volatile sig_atomic_t EndStatus = 0;

void OnTerminationSignal(int signal)
{
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[0], &byte, 1);
}

void OnWatchdog(int)
{
    ::_exit(EndStatus);
}

// Catches SIGTERM, SIGHUP (logout, kill) and SIGINT (Ctrl+C in a terminal) from the program's
// first moment on: a request that comes while the window is still being built waits in the pipe
// until the event loop runs, rather than meeting a default action or a handler that is not there
// yet.
void CatchTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, SignalPipe) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

// Ends the program on a caught request: the shown page is saved, or where that fails written to
// a rescue file (standard error says where), and every event loop is left with the status,
// whatever dialog is open; nothing asks the user. Should anything still hold the program, a
// watchdog ends the process two seconds later: the text is safe by then.
void EndOnTerminationSignals(deskora::TForm1& form)
{
    if (SignalPipe[1] < 0)
        return;
    auto* notifier = new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, &form);
    QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form, notifier] {
        char bytes[16];
        while (::read(SignalPipe[1], bytes, sizeof bytes) > 0) {
        }
        notifier->setEnabled(false);
        const deskora::TForm1::TEndReport report = form.SaveOrRescue();
        if (!report.Message.isEmpty())
            std::fprintf(stderr, "deskora: %s\n", report.Message.toLocal8Bit().constData());
        std::fflush(stderr);
        EndStatus = report.Status;
        std::signal(SIGALRM, OnWatchdog);
        ::alarm(2);
        QCoreApplication::exit(report.Status);
    });
}

// Tells the user about text that an earlier end had to put into rescue files, once per file,
// in a box that does not hold up the window.
void ReportRescuedText(QWidget* window)
{
    const QString folder = deskora::RescueFolder();
    const QStringList files = deskora::TakeUnreportedRescueFiles(folder);
    if (files.isEmpty())
        return;
    const QString text =
        QStringLiteral(
            "Beim letzten Beenden konnten Einträge nicht in den Tagesdateien "
            "gespeichert werden. Sie wurden gerettet und warten im Ordner\n\n%1\n\n"
            "%2 %3\n\nÜbernehmen Sie den Text von dort in Ihre Tagesseiten.")
            .arg(QDir::toNativeSeparators(folder),
                 files.size() == 1 ? QStringLiteral("in der Datei")
                                   : QStringLiteral("in den Dateien"),
                 files.join(QStringLiteral(", ")));
    auto* box = new QMessageBox(QMessageBox::Information, QApplication::applicationName(), text,
                                QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

// Runs an action once the first paint of a shown widget has been handled in full (pictures
// painted off screen during the start do not count).
class AfterFirstPaint : public QObject {
public:
    explicit AfterFirstPaint(std::function<void()> action) : FAction(std::move(action)) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        const auto* widget = qobject_cast<const QWidget*>(target);
        if (event->type() == QEvent::Paint && widget && widget->isVisible()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, FAction);
        }
        return QObject::eventFilter(target, event);
    }

private:
    std::function<void()> FAction;
};

// Writes the moment of the finished first paint and ends the event loop.
void ReportFirstPaintAndQuit()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("erstes-bild %.6f\n", std::chrono::duration<double>(now).count());
    std::fflush(stdout);
    QCoreApplication::quit();
}

}  // namespace

int main(int argc, char** argv)
{
    CatchTerminationSignals();
    const TAufruf aufruf = Befehlszeile(argc, argv);
    if (aufruf.Ende >= 0)
        return aufruf.Ende;
    std::jthread fontConfiguration = deskora::ReadFontConfiguration();
    QApplication app(argc, argv);
    if (aufruf.Heimordner) {
        if (const int status = InDenHeimordner(); status >= 0)
            return status;
    }
    QApplication::setApplicationName(QStringLiteral("Deskora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("deskora"));
    deskora::SetHelpFile(QStringLiteral("deskora.html"));
    const bool quitAfterStart = qEnvironmentVariableIntValue("DESKORA_BEENDEN_NACH_START") == 1;

    // The standard error message box: the program's title, a stop icon and an OK button.
    deskora::SetErrorHook([](const QString& text) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
    });

    fontConfiguration.join();
    deskora::TForm1 form;
    // The other windows (the perpetual calendar, the handbook, message boxes) take the program
    // icon that the main window has painted for itself: painting it once more costs the start
    // about a millisecond.
    QApplication::setWindowIcon(form.windowIcon());
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &form,
        [&form](QSessionManager& manager) { form.CommitData(manager); }, Qt::DirectConnection);
    EndOnTerminationSignals(form);
    // A save cut off by a kill can leave a hidden temporary file beside the day files. The
    // folder holds two files per day written, years of them: it is searched once the window has
    // been painted, not before (a day's page removes that day's leftovers itself when it loads).
    const auto removeLeftovers = [] { deskora::RemoveLeftoverTemporaryFiles(QDir::currentPath()); };
    AfterFirstPaint afterFirstPaint([&form, removeLeftovers] {
        removeLeftovers();
        ReportRescuedText(&form);
    });
    // Installed last, so asked first: under DESKORA_BEENDEN_NACH_START the program ends right
    // after its first paint, before anything that comes after it.
    AfterFirstPaint quitAfterFirstPaint(ReportFirstPaintAndQuit);
    if (form.ShowAtStart()) {
        app.installEventFilter(&afterFirstPaint);
        if (quitAfterStart)
            app.installEventFilter(&quitAfterFirstPaint);
        form.show();
    } else {
        removeLeftovers();
        if (quitAfterStart)
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return app.exec();
}
