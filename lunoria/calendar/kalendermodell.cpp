// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "kalendermodell.h"

#include <algorithm>
#include <cmath>

#include "datumstext.h"

namespace lunoria {

namespace {

constexpr Extended ErsterGregorianischerTag = -115858;  // 15 October 1582 as a date value
constexpr double DatumWertMax = 65380;                  // 31 December 2078 as a spreadsheet day

}  // namespace

TKalenderModell::TKalenderModell()
    : m_AktDatum(MJDHeute())
{
    m_SysDatum = m_NeuDatum = m_AktDatum;
    Extended stunden;
    Caldat(m_AktDatum, m_Day, m_Monat, m_Jahr, stunden);
}

void TKalenderModell::setStartWochentag(int wert)
{
    m_StartWochentag = (wert < 0 || wert > 6) ? 1 : wert;
}

void TKalenderModell::Uebernehmen()
{
    if (m_Fehler == kfUngueltigesDatum || m_Fehler == kfUnlesbarerText || m_Fehler == kfKeinDateTime)
        m_NeuDatum = m_SysDatum;
    Extended stunden;
    if (Caldat(m_NeuDatum, m_Day, m_Monat, m_Jahr, stunden)) {
        m_AktDatum = m_NeuDatum;
    } else {
        m_AktDatum = m_SysDatum;
        m_Fehler = kfUngueltigesDatum;
        Caldat(m_SysDatum, m_Day, m_Monat, m_Jahr, stunden);  // keep day, month and year usable
    }
}

TKalenderFehler TKalenderModell::JahrBegrenzen()
{
    // The year of NeuDatum against the limits, compared as MJDs so that no value needs a split.
    if (m_NeuDatum >= MJDAusDatum(31, 12, m_MaxJahr, 0) + 1) {
        m_NeuDatum = MJDAusDatum(31, 12, m_MaxJahr, 0);
        m_Fehler = kfNachMaxJahr;
    } else if (m_NeuDatum < MJDAusDatum(1, 1, m_MinJahr, 0)) {
        m_NeuDatum = MJDAusDatum(1, 1, m_MinJahr, 0);
        m_Fehler = kfVorMinJahr;
    } else {
        m_Fehler = kfKeiner;
    }
    return m_Fehler;
}

void TKalenderModell::AltenFehlerVergessen()
{
    if (m_Fehler == kfUngueltigesDatum || m_Fehler == kfUnlesbarerText || m_Fehler == kfKeinDateTime)
        m_Fehler = kfKeiner;
}

void TKalenderModell::ModJulDatSetzen(Extended mjd)
{
    int t, m, j;
    Extended h;
    if (Caldat(mjd, t, m, j, h)) {
        m_NeuDatum = mjd;
        JahrBegrenzen();
    } else {
        m_NeuDatum = m_AktDatum;
        m_Fehler = kfUngueltigesDatum;
    }
    Uebernehmen();
}

bool TKalenderModell::TextDatumSetzen(const std::string& text)
{
    int fehler = 0;
    const Extended x = TextDatumZuMJD(text, fehler);
    m_Fehler = static_cast<TKalenderFehler>(fehler);
    if (fehler != 0)
        return false;
    m_NeuDatum = x;
    JahrBegrenzen();
    Uebernehmen();
    return true;
}

bool TKalenderModell::TagSetzen(int tag)
{
    if (tag == m_Day)
        return false;
    TagWaehlen(std::clamp(tag, 1, std::max(1, TageImAktMonat())));
    return true;
}

void TKalenderModell::TagWaehlen(int tag)
{
    AltenFehlerVergessen();
    m_NeuDatum = MJDAusDatum(tag, m_Monat, m_Jahr, 0);
    Uebernehmen();
}

bool TKalenderModell::MonatSetzen(int monat)
{
    if (monat == m_Monat)
        return false;
    monat = std::clamp(monat, 1, 12);
    const int tag = std::min(m_Day, TageImMonat(monat, m_Jahr));
    ModJulDatSetzen(MJDAusDatum(tag, monat, m_Jahr, 0));
    return true;
}

bool TKalenderModell::JahrSetzen(int jahr)
{
    if (jahr == m_Jahr)
        return false;
    m_NeuDatum = MJDAusDatum(m_Day, m_Monat, jahr, 0);
    JahrBegrenzen();
    Uebernehmen();
    return true;
}

void TKalenderModell::MonatBlaettern(int richtung)
{
    Extended ziel = m_AktDatum;
    if (richtung == 0)
        ziel = MJDAusDatum(1, m_Monat - 1, m_Jahr, 0);
    else if (richtung == 1)
        ziel = MJDAusDatum(1, m_Monat + 1, m_Jahr, 0);
    const int monat = MonatVon(ziel);
    const int jahr = JahrVon(ziel);
    const int tagImMonat = std::min(m_Day, TageImMonat(monat, jahr));
    ModJulDatSetzen(MJDAusDatum(tagImMonat, monat, jahr, 0));
}

void TKalenderModell::ZumSystemDatum()
{
    AltenFehlerVergessen();
    m_SysDatum = MJDHeute();
    m_NeuDatum = m_SysDatum;
    Uebernehmen();
}

void TKalenderModell::ZumDefaultDatum(Extended defaultDatum)
{
    AltenFehlerVergessen();
    m_NeuDatum = defaultDatum + (MJDJetzt() - MJDHeute());
    Uebernehmen();
}

TDateTime TKalenderModell::DatumZeit()
{
    m_Fehler = kfKeiner;
    if (m_Jahr < 1 || m_Jahr > 9999) {
        m_Fehler = kfKeinDateTime;
        return DateTimeAusMJD(MJDHeute());
    }
    return DateTimeAusMJD(MJDAusDatum(m_Day, m_Monat, m_Jahr, 0));
}

void TKalenderModell::setDatumZeit(TDateTime wert)
{
    Extended mjd = MJDAusDateTime(std::isnan(wert) ? wert : std::max<double>(wert, ErsterGregorianischerTag));
    int t, m, j;
    Extended h;
    if (std::isfinite(mjd) && Caldat(mjd, t, m, j, h))
        mjd = MJDAusDatum(t, m, j, 0);  // the calendar date, time of day dropped
    ModJulDatSetzen(mjd);
}

double TKalenderModell::DatumWert()
{
    m_Fehler = kfKeiner;
    Extended mjd = m_AktDatum;
    if (m_Jahr < 1900) {
        mjd = MJDAusDatum(1, 1, 1900, 0);
        m_Fehler = kfKeinDatumWert;
    } else if (m_Jahr > 2078) {
        mjd = MJDAusDatum(31, 12, 2078, 0);
        m_Fehler = kfKeinDatumWert;
    }
    // The spreadsheet count has a 29 February 1900: days before 1 March 1900 count one less.
    Extended wert = mjd - MJDDesDateTimeNullpunkts;
    if (mjd < MJDAusDatum(1, 3, 1900, 0))
        wert -= 1;
    return static_cast<double>(wert);
}

void TKalenderModell::setDatumWert(double wert)
{
    if (!(wert >= 1))
        wert = 1;  // also NaN
    if (wert > DatumWertMax)
        wert = DatumWertMax;
    Extended neu = MJDAusDateTime(wert);
    if (wert < 61)
        neu += 1;
    ModJulDatSetzen(neu);
}

int TKalenderModell::KalenderWoche()
{
    m_Fehler = m_StartWochentag == 1 ? kfKeiner : kfKeineKalenderwoche;
    return Tagesfakten().KW;
}

Extended TKalenderModell::KalenderWocheStart()
{
    m_Fehler = m_StartWochentag == 1 ? kfKeiner : kfKeineKalenderwoche;
    return Tagesfakten().KWBeginn;
}

int TKalenderModell::TageImJahr() const
{
    const Tagesinfo t = Tagesfakten();
    return t.TageSeit + t.TageBis;
}

}  // namespace lunoria
