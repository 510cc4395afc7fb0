// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The facts of one date as lunoria-info writes them: lines "Caption value" for people, or one
// JSON object for scripts. Both read the same computation and the same caption table.

#include <string>

#include "calendar/datumstext.h"
#include "calendar/extended.h"
#include "calendar/sommerzeit.h"

namespace lunoria {

// The place of the output: coordinates in degrees (latitude north positive, longitude EAST
// positive, as the place list and ISO 6709 give them), the name when it came from the place
// list, and the line that the text output shows.
struct TInfoOrt {
    std::string Name;  // empty for typed coordinates
    std::string Zeile;
    double Breite = 0;
    double Laenge = 0;
};

// The text block of one date: the "Allgemein" facts (weeks starting on Monday), the place,
// the "Astronomie" rows, then the day's remark and the note on rough times where they apply.
// Dates (the week's Monday, the season starts) in the form given.
std::string InfoText(Extended mjd, TKalenderZeitBasis basis, const TInfoOrt& ort, TDatumsform form);

// The same facts as one JSON object on one line, independent of the locale (the caller
// installs German names); the field names are listed in lunoria-info(1).
std::string InfoJson(Extended mjd, TKalenderZeitBasis basis, const TInfoOrt& ort);

// The object that stands for an input line that could not be shown.
std::string InfoFehlerJson(long zeile, const std::string& eingabe, const std::string& fehler);

// The IANA name of the zone in force: the place's, else the system's; empty when unknown or
// under the German time basis, which follows the German history, not a zone of the database.
std::string InfoZonenName(TKalenderZeitBasis basis);

}  // namespace lunoria
