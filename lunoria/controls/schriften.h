// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The fonts of Lunoria's windows.

#include <QFont>
#include <QStringList>

#include <thread>

namespace lunoria {

// The narrow sans serif the windows were laid out for, then its stand-ins of the same widths.
QStringList FensterFamilien();

// Gives the font the first of the families that is installed, or all of them in turn where none
// is. Qt asks the font configuration for a stand-in of every family name that is not installed,
// once per font, which costs the start milliseconds; an installed name is found at once.
void InstallierteFamilie(QFont& schrift, const QStringList& familien);

// Reads the font configuration (some milliseconds of files under /etc/fonts) in a second thread,
// started before the application object, so that the reading overlaps the connection to the
// display. The returned thread ends with the reading; end it (or let it go out of scope) before
// the first font is used, so that Qt never reads the configuration a second time alongside.
// Qt reads it through fontconfig, which it links: where Qt has no fontconfig the thread does
// nothing.
std::jthread SchriftkonfigurationLesen();

}  // namespace lunoria
