// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The start-time hook: an application event filter that ends the event loop once the first
// paint of a shown widget has been handled in full, after writing "erstes-bild <seconds>" (the
// moment on the monotonic clock) to standard output. Lunoria installs it under
// LUNORIA_BEENDEN_NACH_START=1; the bare window of the start-time measurement always.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace lunoria {

class TNachErstemBildBeenden : public QObject {
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

}  // namespace lunoria
