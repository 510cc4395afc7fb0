// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// What screen readers learn of the painted calendar controls: the month grid is a table of its
// six week rows by seven days, each cell named with its whole date; the drop-down button is a
// push button "Kalender öffnen" that can be pressed.

#include <QString>

namespace lunoria {

class TKalenderCtrl;

// Makes the toolkit ask this module for the interfaces of the grid and the button; once per
// program, called by the controls when they are created.
void ZugangInstallieren();

// Tells a listening screen reader which day is selected (and focused, when the grid has the
// focus); the grid calls it after every change of its day or month.
void GewaehlteZelleMelden(TKalenderCtrl* gitter);

// Rows and columns of the table: the week rows 2 ... 7 and the weekday columns 1 ... 7 of the
// grid's cell table, without the calendar-week column.
inline constexpr int ZugangZeilen = 6;
inline constexpr int ZugangSpalten = 7;

// The text a screen reader reads for the day place (spalte 1 ... 7, zeile 2 ... 7): the whole
// date ("Dienstag, 8. Dezember 2026"); the two picture cells name what they jump to.
QString ZellenName(const TKalenderCtrl& gitter, int spalte, int zeile);

}  // namespace lunoria
