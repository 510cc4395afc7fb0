// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The date behind the month grid: the requested and the applied date, the year limits, the
// status of the last operation, navigation by day, month and year, and the facts of the applied
// day. Plain C++: the grid widget (controls/kalenderctrl.h) paints it and turns input into
// calls of this class; a test drives it without a window.

#include <string>

#include "extended.h"
#include "julian.h"
#include "tagesinfo.h"

namespace lunoria {

// Status of the last date operation; the numbers are those the grid's users read.
enum TKalenderFehler : int {
    kfKeiner = 0,
    kfKeineKalenderwoche = 2,  // week facts asked for while weeks do not start on Monday
    kfUngueltigesDatum = 3,    // the date could not be split into day, month and year
    kfUnlesbarerText = 4,      // a date text that names no date
    kfKeinDateTime = 5,        // the year lies outside 1 ... 9999 of a date-time value
    kfNachMaxJahr = 6,         // the date lay after MaxJahr and was set to its 31 December
    kfVorMinJahr = 7,          // the date lay before MinJahr and was set to its 1 January
    kfKeinDatumWert = 8        // the year lies outside 1900 ... 2078 of a date value
};

class TKalenderModell {
public:
    // Starts on today's date of the installed clock.
    TKalenderModell();

    Extended AktDatum() const { return m_AktDatum; }  // the applied date (MJD)
    Extended NeuDatum() const { return m_NeuDatum; }  // the last requested date
    Extended SysDatum() const { return m_SysDatum; }  // today at creation and after ZumSystemDatum
    int Day() const { return m_Day; }
    int Monat() const { return m_Monat; }
    int Jahr() const { return m_Jahr; }
    int MinJahr() const { return m_MinJahr; }
    void setMinJahr(int jahr) { m_MinJahr = jahr; }
    int MaxJahr() const { return m_MaxJahr; }
    void setMaxJahr(int jahr) { m_MaxJahr = jahr; }
    // First weekday of a row, 0 = Sunday ... 6 = Saturday; other values give Monday.
    int StartWochentag() const { return m_StartWochentag; }
    void setStartWochentag(int wert);
    TKalenderFehler Fehler() const { return m_Fehler; }

    // Each of the following requests a date and applies it (Uebernehmen).
    // An MJD: one that cannot be split keeps the date (kfUngueltigesDatum); the year limits clamp.
    void ModJulDatSetzen(Extended mjd);
    // A short date text; an unreadable one changes nothing but the status and returns false.
    bool TextDatumSetzen(const std::string& text);
    // A day of the shown month, clamped to the month's days; false when it is the shown day.
    bool TagSetzen(int tag);
    // A day of the shown month as picked on the grid, without clamping.
    void TagWaehlen(int tag);
    // Another month (clamped to 1 ... 12) or year; the day is kept where the month has it.
    bool MonatSetzen(int monat);
    bool JahrSetzen(int jahr);
    // The previous month for richtung 0, the next for 1; the day is kept where the month has it.
    void MonatBlaettern(int richtung);
    // Today's date of the clock; it becomes SysDatum.
    void ZumSystemDatum();
    // The default date with the present time of day.
    void ZumDefaultDatum(Extended defaultDatum);

    // Applies NeuDatum: after a failed text, date value or date-time the system date instead.
    void Uebernehmen();

    // The applied date in other counts.
    Extended JulDat() const { return JulDatAusMJD(m_AktDatum); }
    void setJulDat(Extended jd) { ModJulDatSetzen(MJDAusJulDat(jd)); }
    Extended JulJHd() const { return JHdAusMJD(m_AktDatum); }
    void setJulJHd(Extended jhd) { ModJulDatSetzen(MJDAusJHd(jhd)); }
    // Days since 30 December 1899 of the applied day; today for years outside 1 ... 9999.
    TDateTime DatumZeit();
    // The time of day is dropped; values before 15 October 1582 give that day.
    void setDatumZeit(TDateTime wert);
    // The spreadsheet day number 1 ... 65380 (1 January 1900 ... 31 December 2078), which
    // counts a 29 February 1900; out of that range its nearest end.
    double DatumWert();
    void setDatumWert(double wert);

    // Facts of the applied day.
    Tagesinfo Tagesfakten() const { return TagesinfoBerechnen(m_AktDatum, m_StartWochentag); }
    // ISO week and its Monday; -1 with kfKeineKalenderwoche unless weeks start on Monday.
    int KalenderWoche();
    Extended KalenderWocheStart();
    int TageImJahr() const;
    bool IstSchaltjahr() const { return Schaltjahr(m_Jahr); }
    int TagImJahr() const { return Tagesfakten().TageSeit; }
    int TageImAktMonat() const { return TageImMonat(m_Monat, m_Jahr); }

private:
    // NeuDatum against the year limits; sets and returns the status.
    TKalenderFehler JahrBegrenzen();
    // A failure of an earlier operation (unreadable text, unsplittable value, a date value that
    // fell back) must not send the user's next pick to today's date.
    void AltenFehlerVergessen();

    Extended m_AktDatum = 0;
    Extended m_NeuDatum = 0;
    Extended m_SysDatum = 0;
    int m_Jahr = 0;
    int m_Monat = 0;
    int m_Day = 0;
    int m_MinJahr = MinJahrStandard;
    int m_MaxJahr = MaxJahrStandard;
    int m_StartWochentag = 1;
    TKalenderFehler m_Fehler = kfKeiner;
};

}  // namespace lunoria
