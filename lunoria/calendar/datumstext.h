// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Conversions between MJDs and the date and time texts of the user's regional settings.

#include <string>

#include "extended.h"

namespace lunoria {

// Order of the three numbers of a short date: day-month-year, month-day-year, year-month-day.
enum TDatumsreihenfolge { TMJ, MTJ, JMT };

// From the first character of the short date format ("d", "m", "y"; anything else: TMJ).
TDatumsreihenfolge Datumsreihenfolge();

// Short numeric date, e.g. 23.05.1998; today's text when the MJD cannot be split.
std::string MJDZuTextDatum(Extended mjd);
std::string TextDatumHeute();

// Long date after the regional long date picture, e.g. "Samstag, 23. Mai 1998"; empty when the
// MJD cannot be split.
std::string MJDZuLangDatum(Extended mjd);

// One run of n equal picture characters c rendered for the date; wochentag 0 = Sunday.
std::string LangDatumElement(char c, int n, int tag, int monat, int jahr, int wochentag);

// Reads a short date text. fehler 0: the MJD of the date at 0 h; fehler 4: the text names no
// date and the result is today's MJD.
Extended TextDatumZuMJD(const std::string& text, int& fehler);

// 32-bit integer: leading blanks, optional sign, decimal digits or hexadecimal after "$" or
// "0x"; nothing may follow. On failure wert is -1 and the result false.
bool TextZuZahl(const std::string& text, int& wert);

// Decimal hours to whole hours and minutes (nearest minute, ties to even). For negative hours
// the first non-zero of the two carries the sign.
void StundenZuHM(Extended x, int& stunden, int& minuten);

// Hours, minutes and seconds to decimal hours; negative when any part is negative.
Extended HMSZuStunden(int stunden, int minuten, Extended sekunden);

// Hours and minutes with the regional time separator, e.g. 05:28.
std::string ZeitText(Extended x);

}  // namespace lunoria
