// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Daylight-saving time (DST) of a year under two time bases: the system zone's rule of that year,
// or the German legal history (DST in 1916-1918, 1940-1949 and from 1980 on).
// Dates are MJDs (julian.h); texts are UTF-8.

#include <array>
#include <string>
#include <vector>

#include "extended.h"

namespace lunoria {

// Which rules decide DST: the German history (kzbGerman) or the system zone's rule of the year
// (kzbStandard), which is the zone's recorded history where the system keeps one.
enum TKalenderZeitBasis : int {
    kzbGerman = 0,
    kzbStandard = 1,
};

// One yearly change in the recurring form: the wDay-th weekday wDayOfWeek of month wMonth at
// wHour:wMinute local time (the clock time in force before the change).
struct TSystemZeitRegel {
    int wMonth = 0;      // 1 ... 12; 0 = no rule
    int wDayOfWeek = 0;  // 0 = Sunday ... 6 = Saturday
    int wDay = 0;        // occurrence 1 ... 4, 5 = the last one of the month
    int wHour = 0;
    int wMinute = 0;
};

// The system zone: standard time and, where the zone has one, its daylight time. Biases in
// minutes with UTC = local time + bias, so central European time has Bias -60.
struct Zonenregel {
    int Bias = 0;
    std::string StandardName;
    TSystemZeitRegel StandardDate;  // change to standard time: the end of DST
    int StandardBias = 0;           // extra minutes during standard time, normally 0
    std::string DaylightName;
    TSystemZeitRegel DaylightDate;  // change to daylight time: the start of DST
    int DaylightBias = 0;           // extra minutes during daylight time, -60 for one hour
};

// One change to or from summer time: the local date and the clock time read just before it.
struct TSommerzeitWechsel {
    int Tag = 0;
    int Monat = 0;
    Extended Zeit = 0;  // decimal hours; 24 for a year that ends in summer time
    Extended MJD = 0;   // the day at 0 h
    long Offset = 0;    // seconds east of UTC of the clock that reads Zeit: the one before the change
};

// The DST period of one year, as SommerzeitInfo finds it. Every number is 0 and every string
// empty where nothing was filled in. Summer time is the time with the larger offset of a
// daylight-saving pair (a zone that marks winter as its daylight time, with a negative save,
// has its summer in the unmarked time). The Beginn and Ende fields describe the first start and
// the last end of the year; Beginne and Enden list every one.
struct TSommerzeitInfoRec {
    int BeginnWochentag = 0;  // ISO: 1 = Monday ... 7 = Sunday
    int BeginnTag = 0;        // 0 when no DST is defined
    int BeginnMonat = 0;      // 0 when no DST is defined
    Extended BeginnZeit = 0;  // clock time of the change, decimal hours
    Extended BeginnMJD = 0;   // the start day at 0 h
    std::string BeginnText;   // e.g. "letzter Sonntag (29.03.) im März um 02:00 Uhr"
    int EndeWochentag = 0;
    int EndeTag = 0;
    int EndeMonat = 0;
    Extended EndeZeit = 0;
    Extended EndeMJD = 0;
    std::string EndeText;
    int ZonenStatus = 0;  // 0 no DST in the year; 1 standard, 2 daylight time as the rule source reports
    std::string NormalzeitName;
    Extended NormalzeitOffset = 0;  // hours east of UTC
    std::string SommerzeitName;     // empty when no DST is defined
    Extended SommerzeitOffset = 0;  // hours east of UTC; 0 when no DST is defined
    std::vector<TSommerzeitWechsel> Beginne;
    std::vector<TSommerzeitWechsel> Enden;
    TKalenderZeitBasis Basis = kzbGerman;
};

// The German rules of the war and post-war years.
struct TSommerzeitTabellenZeile {
    int Jahr;
    TSystemZeitRegel Beginn;  // wMinute is not part of the table
    TSystemZeitRegel Ende;
};

inline constexpr std::array<TSommerzeitTabellenZeile, 13> SommerzeitTabelle = {{
    // year, start {month, weekday, occurrence, hour}, end {month, weekday, occurrence, hour}
    {1916, {4, 0, 5, 23, 0}, {10, 0, 1, 1, 0}},
    {1917, {4, 1, 3, 2, 0}, {9, 1, 3, 3, 0}},
    {1918, {4, 1, 3, 2, 0}, {9, 1, 3, 3, 0}},
    {1940, {4, 1, 1, 1, 0}, {12, 2, 5, 0, 0}},
    {1941, {1, 3, 1, 0, 0}, {12, 3, 5, 0, 0}},
    {1942, {1, 4, 1, 0, 0}, {11, 1, 1, 3, 0}},
    {1943, {3, 1, 5, 2, 0}, {10, 1, 1, 3, 0}},
    {1944, {4, 1, 1, 2, 0}, {10, 1, 1, 3, 0}},
    {1945, {4, 1, 1, 2, 0}, {9, 4, 1, 2, 0}},
    {1946, {4, 0, 2, 2, 0}, {10, 1, 1, 3, 0}},
    {1947, {4, 0, 1, 2, 0}, {10, 0, 1, 3, 0}},
    {1948, {4, 0, 3, 3, 0}, {10, 0, 1, 3, 0}},
    {1949, {4, 0, 2, 2, 0}, {10, 0, 1, 2, 0}},
}};

// The summer time of the MJD's local year under the time basis, from the changes of the clock
// in that year (zonenregel.h ZonenVerlauf). ZonenStatus is 2 when the MJD's local noon lies in
// summer time, 1 in a year with summer time otherwise, 0 without.
TSommerzeitInfoRec SommerzeitInfo(TKalenderZeitBasis basis, Extended mjd);

// The German rule of a year on central European time (and, for 1980-1995, the European rule
// with the end moved to September and, in 1980, the start to the first Sunday of April). Returns 0 for a year without German DST (both rules then have month 0), else 2 when
// the MJD lies between start and end day, else 1. Years from 1996 on are not German rules of
// their own: SommerzeitInfo takes the system's rule for them, and here they give 0.
int DeutscheSommerzeit(int jahr, Extended mjd, Zonenregel& regel);

// MJD at 0 h of the day the rule gives in the year; the hour of the change is not part of it.
// A month outside 1 ... 12 gives 1 January of the year.
Extended RegelDatum(int jahr, const TSystemZeitRegel& regel);

// True when the record's year has summer time and the local noon of the MJD lies in it.
bool IstSommerzeit(const TSommerzeitInfoRec& rec, Extended mjd);

// Offset of local time from UTC at the local noon of the MJD in hours, east positive, always
// under the German time basis.
Extended ZeitZonenOffsetAm(Extended mjd);

}  // namespace lunoria
