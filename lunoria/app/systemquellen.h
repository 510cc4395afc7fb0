// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The production providers behind the calendar code's seams.

#include "calendar/regional.h"

class QLocale;

namespace lunoria {

// Regional settings of a Qt locale; German settings for the C locale, which has none.
TRegionaleEinstellungen EinstellungenAusLocale(const QLocale& locale);

// Regional settings of QLocale::system().
TRegionaleEinstellungen QtRegionaleEinstellungen();

// Installs every production provider: regional settings, the message box for errors from
// code without a window. Called once at program start, after the QApplication exists.
void InstalliereSystemQuellen();

// Installs the providers that need no window system (for command-line programs); deutsch:
// the German settings and zone names whatever the locale, for output that scripts read.
void InstalliereKonsolenQuellen(bool deutsch = false);

}  // namespace lunoria
