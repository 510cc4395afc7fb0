// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// A planner copy reduced to its single-instance guard, for the tests with real processes.
//
// It runs the guard with the planner's title and its defaults, then prints one line:
//   "ALONE"  it holds the instance lock and keeps running (until killed or its input ends);
//            it prints "RAISED" each time a later copy asks it to bring its window forward;
//   "OTHER"  another copy runs; it leaves with exit code 3 once its event loop runs.

#include "app/oneinstance.h"

#include <QApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <QWidget>

#include <cstdio>

#include <unistd.h>

namespace {

// Reports every time the hidden window is shown again.
class TShowWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            std::printf("RAISED\n");
            std::fflush(stdout);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Deskora"));

    QWidget window;
    TShowWatcher watcher;
    window.installEventFilter(&watcher);
    auto* guard = new deskora::TOneInstance(&window);
    guard->Loaded();

    if (guard->Terminated()) {
        std::printf("OTHER\n");
        std::fflush(stdout);
        // The guard asked the event loop to end; it ends as soon as it runs.
        app.exec();
        return 3;
    }
    std::printf(guard->Unguarded() ? "UNGUARDED\n" : "ALONE\n");
    std::fflush(stdout);

    // The test ends a holder by closing its input, or kills it.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    return app.exec();
}
