// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Calendar arithmetic on Modified Julian Dates (MJD: days since 17 November 1858, 0 h; the
// fraction is the time of day). Julian calendar up to 4 October 1582, Gregorian from
// 15 October 1582; astronomical year numbers (year 0 = 1 BC). Valid for the years
// -4712 ... 5879490 that the calendar controls allow.

#include "extended.h"

namespace lunoria {

inline constexpr int MinJahrStandard = -4712;
inline constexpr int MaxJahrStandard = 5879490;

// MJD of a calendar date and decimal hours. No range check: day 32 of January is 1 February,
// day 0 of March the last day of February.
Extended MJDAusDatum(int tag, int monat, int jahr, Extended stunden);

// Splits an MJD into day, month, year and decimal hours 0 <= h < 24. Inputs that cannot be
// split (NaN, infinity, an MJD before 1 January -4712 at 0 h, a year beyond 32-bit integers) show "_Caldat: ungültiger Wert" through the message
// hook and return false; the outputs are then 0.
bool Caldat(Extended mjd, int& tag, int& monat, int& jahr, Extended& stunden);

int JahrVon(Extended mjd);         // -1 when Caldat fails
int MonatVon(Extended mjd);        // -1 when Caldat fails
int TagVon(Extended mjd);          // -1 when Caldat fails
Extended StundeVon(Extended mjd);  // -1.0 when Caldat fails

Extended MJDJetzt();  // local date and time now
Extended MJDHeute();  // local date now, 0 h
int JahrHeute();

// The other day counts of the calendar controls, as offsets from the MJD.
inline constexpr Extended JDDesMJDNullpunkts = 2400000.5L;   // JD of MJD 0
inline constexpr Extended MJDDesDateTimeNullpunkts = 15018;  // 30 December 1899, 0 h
inline constexpr Extended MJDvonJ2000 = 51544.5L;            // 1 January 2000, 12 h
inline constexpr Extended TageJeJahrhundert = 36525;         // a Julian century

inline Extended JulDatAusMJD(Extended mjd)
{
    return mjd + JDDesMJDNullpunkts;
}
inline Extended MJDAusJulDat(Extended jd)
{
    return jd - JDDesMJDNullpunkts;
}
inline TDateTime DateTimeAusMJD(Extended mjd)
{
    return static_cast<TDateTime>(mjd - MJDDesDateTimeNullpunkts);
}
inline Extended MJDAusDateTime(TDateTime wert)
{
    return static_cast<Extended>(wert) + MJDDesDateTimeNullpunkts;
}
// Julian centuries since J2000.0, the time argument of the astronomical series.
inline Extended JHdAusMJD(Extended mjd)
{
    return (mjd - MJDvonJ2000) / TageJeJahrhundert;
}
inline Extended MJDAusJHd(Extended jhd)
{
    return jhd * TageJeJahrhundert + MJDvonJ2000;
}

// Day of the year, 1 on 1 January; the MJD is taken to the nearest whole day (ties to even).
int TagDesJahres(Extended mjd);

// Weekday of the nearest whole day. Numbering 0: 0 = Sunday ... 6 = Saturday; numbering 1
// (ISO): 1 = Monday ... 7 = Sunday.
int Wochentag(int nummerierung, Extended mjd);

bool Schaltjahr(int jahr);
int TageImMonat(int monat, int jahr);          // month 1 ... 12
int TageImMonatKalender(int monat, int jahr);  // as TageImMonat, October 1582 has 21 days
// A day of a month 1 ... 12 that the calendar has: not 5 ... 14 October 1582.
bool DatumGueltig(int tag, int monat, int jahr);

int Kalenderwoche(Extended mjd);            // ISO 8601 week 1 ... 53
Extended KalenderwocheStart(Extended mjd);  // the Monday of that week

// The first or last given weekday (0 or 7 = Sunday, 1 = Monday ... 6) of a month, at 0 h.
Extended ErsterWochentagImMonat(int wochentag, int monat, int jahr);
Extended LetzterWochentagImMonat(int wochentag, int monat, int jahr);

// Delta T (dynamical minus universal time) of the MJD's year, in seconds.
Extended DeltaTSekunden(Extended mjd);
// Adds Delta T to the MJD.
void DeltaTKorrektur(Extended& mjd);

// Nearest integer, ties to even; 0 for NaN and the nearest limit beyond +/-2^62, so that no
// conversion from floating point is ever undefined.
long long RundeGerade(Extended x);

}  // namespace lunoria
