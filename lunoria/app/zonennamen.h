// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Long names of the system zone's standard and daylight time, from Qt's time-zone data, in
// place of the rule's abbreviations.

#include <string>

#include "calendar/zonenregel.h"

class QLocale;
class QTimeZone;

namespace lunoria {

struct TZonenNamen {
    std::string Normalzeit;  // e.g. "Mitteleuropäische Normalzeit"; empty where Qt has no long name
    std::string Sommerzeit;  // e.g. "Mitteleuropäische Sommerzeit"
};

// True for names that only state an offset ("GMT+01:00", "UTC-5", "+0330"): they say less
// than the rule's abbreviation and are not taken.
bool IstVersatzName(const std::string& name);

// The zone's long names in the locale's language; the C locale asks for German, the programs'
// own language.
TZonenNamen QtZonenNamen(const QTimeZone& zone, const QLocale& locale);

// The rule's names replaced by the long names where there are some and the zone Qt sees has the
// rule's standard offset (so that names never belong to another zone than the rule).
TZonenregelStand MitLangenNamen(TZonenregelStand stand, const TZonenNamen& namen, int qtNormalOffsetSekunden);

// Installs the long names of QTimeZone::systemTimeZone() in the language of QLocale::system()
// (German for the C locale) as the source of zone names: the name of the local time in force
// at each instant.
void InstalliereZonenNamen();
// The same in the language of the locale given (German for the C locale).
void InstalliereZonenNamen(const QLocale& sprache);

}  // namespace lunoria
