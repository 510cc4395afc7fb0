#pragma once
// The production providers behind the calendar code's seams.

#include "calendar/regional.h"

namespace lunoria {

// Regional settings from QLocale::system(); German settings when the system has none (the C
// or POSIX locale).
TRegionaleEinstellungen QtRegionaleEinstellungen();

// Installs every production provider: regional settings, the message box for errors from
// code without a window. Called once at program start, after the QApplication exists.
void InstalliereSystemQuellen();

// Installs the providers that need no window system (for command-line programs).
void InstalliereKonsolenQuellen();

}  // namespace lunoria
