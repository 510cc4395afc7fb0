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

// The ISO 8601 date of the day of mjd in the calendar the program shows (Julian before
// 15 October 1582): "1998-05-23", "-0044-03-15", "+100000-01-01"; empty when the MJD cannot
// be split.
std::string MJDZuISODatum(Extended mjd);

// The two forms of a date in lunoria-info's text: the regional short date or ISO 8601.
enum TDatumsform { dfLokal, dfISO };
std::string DatumText(Extended mjd, TDatumsform form);

// An instant as ISO 8601 local date and time with its offset east of UTC:
// "2026-12-08T07:58:00+01:00", the local clock lokal (an MJD) to the minute; an offset of
// seconds ends in them ("+00:53:28"). Empty when the day cannot be split.
std::string ISOZeitpunkt(Extended lokal, long offsetSekunden);

// Long date after the regional long date picture, e.g. "Samstag, 23. Mai 1998"; empty when the
// MJD cannot be split.
std::string MJDZuLangDatum(Extended mjd);

// One run of n equal picture characters c rendered for the date; wochentag 0 = Sunday.
std::string LangDatumElement(char c, int n, int tag, int monat, int jahr, int wochentag);

// Reads a short date text of the regional settings or an ISO 8601 date "JJJJ-MM-TT" (sign
// and more than four digits allowed: "-0044-03-15", "100000-01-01"). fehler 0: the MJD of
// the date at 0 h; fehler 4: the text names no date and the result is today's MJD.
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
