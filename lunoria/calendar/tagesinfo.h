// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The general facts of one day, as the month grid, the "Allgemein" tab and lunoria-info give
// them. Plain C++: no window needed.

#include <string>

#include "extended.h"

namespace lunoria {

struct Tagesinfo {
    std::string Wochentagname;  // long weekday name
    std::string Monatsname;     // long month name
    int Jahr = 0;
    std::string LangesDatum;  // long date after the regional picture
    int KW = -1;              // ISO week; -1 unless weeks start on Monday
    Extended KWBeginn = -1;   // MJD of the week's Monday; -1 unless weeks start on Monday
    int TageSeit = 0;         // day of the year, 1 on 1 January
    int TageBis = 0;          // days left until 31 December, 0 on that day
    bool Schaltjahr = false;
};

// startWochentag: the first weekday of the grid, 0 = Sunday ... 6 = Saturday.
Tagesinfo TagesinfoBerechnen(Extended mjd, int startWochentag);

}  // namespace lunoria
