// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "meldungsbox.h"

#include <QMessageBox>
#include <utility>

namespace lunoria {

namespace {
TMeldungsBox& Hook()
{
    static TMeldungsBox hook;
    return hook;
}
}  // namespace

void ZeigeMeldung(QWidget* eltern, const QString& titel, const QString& text, TMeldungsArt art)
{
    if (const TMeldungsBox& hook = Hook()) {
        hook(eltern, titel, text, art);
        return;
    }
    QMessageBox::Icon symbol = QMessageBox::Information;
    if (art == TMeldungsArt::Warnung)
        symbol = QMessageBox::Warning;
    else if (art == TMeldungsArt::Fehler)
        symbol = QMessageBox::Critical;
    QMessageBox box(symbol, titel, text, QMessageBox::Ok, eltern);
    box.exec();
}

TMeldungsBox SetzeMeldungsBox(TMeldungsBox box)
{
    return std::exchange(Hook(), std::move(box));
}

}  // namespace lunoria
