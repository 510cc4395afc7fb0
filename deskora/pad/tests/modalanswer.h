// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Answers the next perpetual-calendar dialog from a timer while the code under test waits in
// the dialog's event loop.

#include <functional>

#include <QApplication>
#include <QTimer>

#include "pad/perpcal.h"

namespace deskora {

// Polls every 10 ms (the timer lives as long as owner) until a calendar dialog is the active
// modal widget, then hands it to answer once.
inline void AnswerCalendarDialog(QObject* owner, std::function<void(TPerpetualCalendarDlg*)> answer)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (auto* dialog = qobject_cast<TPerpetualCalendarDlg*>(
                QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

}  // namespace deskora
