// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The astronomical data of one date as the "Astronomie" tab shows them, gathered without a
// window, and their label texts.

#include <array>
#include <string>

#include "beschriftungen.h"
#include "calendar/datumstext.h"
#include "calendar/extended.h"
#include "calendar/sommerzeit.h"
#include "jahreszeiten.h"
#include "sonnemond.h"

namespace lunoria {

struct Astroinfo {
    Extended JD = 0;   // Julian Date
    Extended MJD = 0;  // Modified Julian Date
    Extended JHd = 0;  // Julian centuries since J2000.0
    // Outputs of the sun-and-moon object for the date.
    std::string SonnenAufgang;
    std::string SonnenUntergang;
    std::array<std::string, dmAnzahl> Daemmerung;  // by TDaemmerung, e.g. "06:58 – 17:14 Uhr"
    std::string MondAufgang;
    std::string MondUntergang;
    std::string MondPhase;
    std::string ZeitZoneGMT;
    std::string ZeitZone;
    std::string Hinweis;                       // a remark on the day (a local day the zone skipped); empty otherwise
    TSommerzeitInfoRec Sommerzeit;             // daylight saving of the date's year under the time basis
    TJahreszeiten Jahreszeiten{};              // season starts of the date's year, local clock time
    std::array<long, 4> JahreszeitenOffset{};  // seconds east of UTC at each season start
    // The numbers behind the texts: rise, set and twilights in local hours of the date with
    // their offsets, the zone's offset at the day's noon (hours), a new or full moon of the day.
    TAufUnterDaten AufUnter;
    TPhasenEreignis Phase;
    // The moon's illumination for the moon picture.
    Extended Beleuchtung = 0;  // percent
    Extended Bildwinkel = 0;   // degrees
    bool Zunehmend = false;
};

// Computes the data of the date mjd for the time basis and the place (degrees; longitude
// positive west).
Astroinfo AstroinfoBerechnen(Extended mjd, TKalenderZeitBasis zeitBasis, Extended breite, Extended laenge);

// The same from a sun-and-moon object that has already computed the time point mjd.
Astroinfo AstroinfoAus(const TSonneMondAufUnter& sm, Extended mjd);

// The value labels of the "Astronomie" tab, one per field, named after the labels.
struct TAstroinfoTexte {
    std::string lbJD;
    std::string lbMJD;
    std::string lbJHd;
    std::string lbMondPhase;
    std::string lbSonneAuf;
    std::string lbSonneUnter;
    // Not labels of their own: the tab shows the twilights in the tooltip of sunrise and sunset.
    std::string lbBuergerlich;
    std::string lbNautisch;
    std::string lbAstronomisch;
    std::string lbMondAuf;
    std::string lbMondUnter;
    std::string lbGMT;
    std::string lbZeitzone;
    std::string lbStartSommerzeit;
    std::string lbEndeSommerzeit;
    std::string lbFruehling;
    std::string lbSommer;
    std::string lbHerbst;
    std::string lbWinter;
};

// The label texts of the data under the regional settings in force: JD and MJD as
// "#,#0.0000", JHd as "#,#0.000000"; the daylight-saving start and end as
// "am 29.03. um 02:00 Uhr" or "nicht definiert"; each season as its date (in the form given),
// two blanks, the clock time and " Uhr".
TAstroinfoTexte AstroinfoTexte(const Astroinfo& info, TDatumsform form = dfLokal);

// One caption of the tab with its value.
struct TAstroinfoZeile {
    TBeschriftung Art;
    const char* Caption;
    std::string Wert;
};

// The labels in the order of the tab: JD, MJD, JHd, moon phase, sunrise and sunset, then the
// civil, nautical and astronomical twilight (the tab's sun tooltip), moon rise and set, GMT
// offset, zone, daylight-saving start and end, the four seasons.
std::array<TAstroinfoZeile, 19> AstroinfoZeilen(const TAstroinfoTexte& texte);

// The three twilight rows of AstroinfoZeilen as "Caption value" lines joined by newlines, for
// the tooltip of the tab's sunrise and sunset.
std::string DaemmerungZeilen(const TAstroinfoTexte& texte);

// The series behind the rise, set, phase and season times are fitted to the recent millennia;
// for the years before -1000 and after 3000 their times are rough estimates only, and the tab
// and lunoria-info add NaeherungZeile after their rows.
constexpr bool GrobeNaeherung(int jahr)
{
    return jahr < -1000 || jahr > 3000;
}
inline constexpr const char* NaeherungZeile = "Näherung: Für dieses Jahr sind die Zeiten nur grobe Schätzungen.";

}  // namespace lunoria
