// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Zone files in the TZif format: the table of a zone's recorded changes of local time (the
// transition instants and the local time types they switch to) and the footer rule string for
// the times after the table. Version 1 data carries 32-bit instants; version 2 and later repeat
// the table with 64-bit instants after it, and that copy is the one read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lunoria {

// One local time type of a zone.
struct TTZifTyp {
    long Offset = 0;          // seconds east of UTC: local time = UTC + Offset
    bool Sommerzeit = false;  // daylight time
    std::string Name;         // the abbreviation, e.g. "CEST"
};

struct TTZifZone {
    // Transition instants in seconds since 1970-01-01 00:00 UTC, strictly ascending; instants
    // far beyond any calendar (more than 2^60 s from 1970) are held at that bound, where
    // several of them count as one.
    std::vector<std::int64_t> Zeiten;
    std::vector<std::uint8_t> TypNach;  // per instant: index into Typen of the time from then on
    std::vector<TTZifTyp> Typen;        // never empty; Typen[0] is in force before the first instant
    std::string Fusszeile;              // the footer rule string; empty for version 1 data
};

// Reads TZif data. None when it is not TZif, is cut short, or holds counts, indices, offsets or
// an order of instants that the format does not allow.
std::optional<TTZifZone> LiesTZif(std::string_view daten);

// The bytes of a zone file; none when it cannot be read or is larger than any zone file.
std::optional<std::string> TZifDateiInhalt(const std::string& pfad);

}  // namespace lunoria
