// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// POSIX TZ rule strings (std offset [dst [offset] [,start[/time],end[/time]]]) and the footer
// line of TZif zone files that carries such a string for the times after the file's table.

#include <optional>
#include <string>
#include <string_view>

namespace lunoria {

// One yearly change of a POSIX rule.
struct TPosixWechsel {
    enum TForm {
        MonatWocheTag,  // Mm.w.d: weekday d (0 = Sunday) of week w (5 = last) of month m
        JulianTag,      // Jn: day 1 ... 365 of the year, 29 February never counted
        NullTag,        // n: day 0 ... 365 of the year, 29 February counted
    };
    TForm Form = MonatWocheTag;
    int Monat = 0;
    int Woche = 0;
    int Wochentag = 0;
    int Tag = 0;           // for JulianTag and NullTag
    long Sekunden = 7200;  // local clock time of the change after 0 h of the day; may be
                           // negative or beyond 24 h (-167 ... 167 h), default 02:00
};

// A zone as a rule string describes it. Offsets in seconds with the POSIX sign: the time to add
// to local time to get UTC, so central European time has -3600.
struct TPosixZone {
    std::string NormalName;  // without the angle brackets of a quoted name
    long NormalOffset = 0;
    bool HatSommerzeit = false;
    std::string SommerName;
    long SommerOffset = 0;  // one hour less than NormalOffset unless the string gives it
    TPosixWechsel Beginn;   // change to daylight time
    TPosixWechsel Ende;     // change back to standard time
};

// Parses a whole rule string; nothing may follow it. A daylight name without a rule takes the
// customary default M3.2.0,M11.1.0.
std::optional<TPosixZone> LiesPosixTZ(std::string_view text);

// The footer rule string of TZif data of version 2 or later; none for version 1 data, for
// data that is cut short or whose counts do not fit. An empty footer is returned as such.
std::optional<std::string> TZifFusszeile(std::string_view daten);

// The same for a file; none when it cannot be read or is larger than any zone file.
std::optional<std::string> TZifFusszeileAusDatei(const std::string& pfad);

}  // namespace lunoria
