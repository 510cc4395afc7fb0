// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Low-precision positions of sun and moon and the local sidereal time, after O. Montenbruck and
// T. Pfleger, Astronomy on the Personal Computer (the series of their rise and set program).
// Accuracy about a minute of arc for the sun and a few minutes of arc for the moon, enough for
// rise and set times to the minute.

#include "calendar/extended.h"

namespace lunoria {

// Equatorial coordinates of date.
struct TAequatorKurz {
    Extended Rektaszension = 0;  // right ascension in hours, 0 ... 24
    Extended Deklination = 0;    // declination in degrees
};

// T: Julian centuries since J2000.0.
TAequatorKurz SonneKurz(Extended t);
TAequatorKurz MondKurz(Extended t);

// Local mean sidereal time in hours (0 ... 24) at the instant mjd (universal time) for the
// longitude laenge in degrees, positive WEST of Greenwich.
Extended OrtsSternzeit(Extended mjd, Extended laenge);

}  // namespace lunoria
