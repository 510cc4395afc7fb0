// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The clock: today and now, through a replaceable provider so that tests run at a fixed instant.

#include <ctime>
#include <functional>

namespace lunoria {

// Local calendar date and clock time, as the system clock reports it.
struct TSystemZeit {
    int Jahr = 0;
    int Monat = 0;
    int Tag = 0;
    int Stunde = 0;
    int Minute = 0;
    int Sekunde = 0;
    int Millisekunde = 0;
};

// One instant: the local time and the same moment as seconds since 1970 (UTC).
struct TZeitpunkt {
    TSystemZeit Lokal;
    std::time_t Utc = 0;
};

using TUhr = std::function<TZeitpunkt()>;

// The present moment from the installed clock (the system clock without one).
TZeitpunkt Jetzt();

// The system clock's present moment, local time through localtime_r.
TZeitpunkt SystemJetzt();

// Installs a clock (an empty one restores the system clock); returns the previous one.
TUhr SetzeUhr(TUhr uhr);

}  // namespace lunoria
