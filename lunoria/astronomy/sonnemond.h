// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Sun and moon at a place: rise and set of both, the moon phase, the zone in force and its
// offset, for one time point, as ready-made German texts. Rise and set follow the method of
// O. Montenbruck and T. Pfleger, Astronomy on the Personal Computer: low-precision positions at
// two-hour steps over the local day with a parabola through each three altitudes.

#include <array>
#include <string>

#include "calendar/extended.h"
#include "calendar/sommerzeit.h"
#include "ereignisliste.h"

namespace lunoria {

// The three twilights by the depth of the sun's centre below the horizon: civil 6°, nautical
// 12°, astronomical 18°.
enum TDaemmerung : int { dmBuergerlich, dmNautisch, dmAstronomisch, dmAnzahl };

// Result of the rise and set search for one body. Hours count from local midnight of the time
// point's date (0 ... 24).
struct TAufUnterBlock {
    Extended Aufgang = -1;
    Extended Untergang = -1;
    bool AufgangGefunden = false;
    bool UntergangGefunden = false;
    bool ObenBeiStart = false;  // above the reference altitude at local midnight
    // Seconds east of UTC in force at the rise and at the set, for writing them as instants.
    long AufgangOffset = 0;
    long UntergangOffset = 0;
};

// Work record of the rise and set search and of the moon's illumination.
struct TAufUnterDaten {
    Extended ZonenOffset = 0;  // hours east of Greenwich, daylight saving included when in force
    Extended Zeitpunkt = 0;    // MJD of the local date, normally 0 h
    Extended Laenge = 0;       // degrees, positive west
    Extended Breite = 0;       // degrees, positive north
    TAufUnterBlock Sonne;
    TAufUnterBlock Mond;
    // The sun's centre crossing the depth of each twilight (TDaemmerung): Aufgang is where the
    // twilight begins in the morning, Untergang where it ends in the evening; ObenBeiStart
    // that the sun stood higher than that depth at local midnight.
    std::array<TAufUnterBlock, dmAnzahl> Daemmerung;
    Extended Beleuchtung = 0;  // lit fraction of the moon in percent
    Extended Bildwinkel = 0;   // angle of the moon picture in degrees
    bool Zunehmend = false;    // waxing moon
};

enum TAufUnterObjekt : int { auoMond, auoSonne };

// A new or full moon on the local day: its type (mpNeumond, mpVollmond; -1 on other days),
// its local clock time to the minute (an MJD) and the offset in force then (seconds east of
// UTC).
struct TPhasenEreignis {
    int Typ = -1;
    Extended Lokal = 0;
    long Offset = 0;
};

// Extremum and roots of the parabola through (-1, ym), (0, y0), (1, yp).
struct TQuadInterpolation {
    Extended xe = 0;  // abscissa of the extremum
    Extended ye = 0;  // value at the extremum
    Extended r1 = 0;  // roots, r1 <= r2 where both lie in [-1, 1]
    Extended r2 = 0;
    int n = 0;  // number of roots in [-1, 1]
};

// Three values on a straight line (no curvature) have no extremum: then the line's root counts
// when it lies in [-1, 1] (r1 = r2 = that root), xe is 0 and ye is y0.
TQuadInterpolation QuadInterpolation(Extended ym, Extended y0, Extended yp);

// Sine of the altitude of sun or moon, from the short series, at mjd0 + stunde / 24, for a place
// at longitude laenge (degrees, positive west) whose latitude has the given sine and cosine.
Extended SinusHoehe(TAufUnterObjekt objekt, Extended mjd0, Extended stunde, Extended laenge, Extended sinBreite,
                    Extended cosBreite);

// Rise and set of moon and sun over the local day of daten.Zeitpunkt (local midnight is
// Zeitpunkt - ZonenOffset / 24 in universal time); fills daten.Mond and daten.Sonne. Reference
// altitudes: +8' for the moon, -50' for the sun; for the twilights the sun's centre at -6°,
// -12° and -18°, without refraction (daten.Daemmerung).
void AufUnterSuche(TAufUnterDaten& daten);

// The same from the instant mjd0 (universal time) over the given hours, 24 or 26 (a local day
// of more than 24 hours, where the clocks went back).
void AufUnterSuche(TAufUnterDaten& daten, Extended mjd0, int stunden);

class TSonneMondAufUnter {
public:
    // Default place 49.47 N, 9.65 E; time point today at 0 h. Nothing is computed yet.
    explicit TSonneMondAufUnter(TKalenderZeitBasis zeitBasis);
    // The same with a place of the owner's (degrees; longitude positive west).
    TSonneMondAufUnter(TKalenderZeitBasis zeitBasis, Extended breite, Extended laenge);

    // Recomputes every output for the time point t (an MJD, normally 0 h of a date).
    void Berechnen(Extended t);

    // Longitude in degrees, positive WEST of Greenwich (9.65 E is -9.65). Setting a different
    // value recomputes for the stored time point; no range check.
    Extended Laenge() const { return m_Laenge; }
    void setLaenge(Extended laenge);
    // Latitude in degrees, positive north. As setLaenge.
    Extended Breite() const { return m_Breite; }
    void setBreite(Extended breite);
    // Free place label, only stored.
    const std::string& Ort() const { return m_Ort; }
    void setOrt(const std::string& ort) { m_Ort = ort; }
    // Time basis of the daylight-saving rules; the owner calls Berechnen after changing it.
    TKalenderZeitBasis ZeitBasis() const { return m_ZeitBasis; }
    void setZeitBasis(TKalenderZeitBasis basis);

    Extended Zeitpunkt() const { return m_Zeitpunkt; }

    // Outputs of the last Berechnen; empty before the first.
    const std::string& ZeitZoneGMT() const { return m_ZeitZoneGMT; }  // e.g. "+01:00"
    const std::string& MondPhase() const { return m_MondPhase; }
    const std::string& MondAufgang() const { return m_MondAufgang; }
    const std::string& MondUntergang() const { return m_MondUntergang; }
    const std::string& SonnenAufgang() const { return m_SonnenAufgang; }
    const std::string& SonnenUntergang() const { return m_SonnenUntergang; }
    // The twilight's begin and end, e.g. "06:58 – 17:14 Uhr" (DaemmerungText).
    const std::string& Daemmerung(TDaemmerung art) const { return m_Daemmerung[static_cast<std::size_t>(art)]; }
    const std::string& ZeitZone() const { return m_ZeitZone; }
    // A remark on the day, e.g. that the local day did not exist in the zone; empty otherwise.
    const std::string& Hinweis() const { return m_Hinweis; }
    const std::string& ZeitPunkt() const { return m_ZeitPunktText; }
    const std::string& SommerzeitBeginn() const { return m_SommerzeitBeginn; }
    const std::string& SommerzeitEnde() const { return m_SommerzeitEnde; }
    const TSommerzeitInfoRec& SommerzeitDaten() const { return m_Sommerzeit; }
    const TAufUnterDaten& AufUnterDaten() const { return m_AufUnterDaten; }
    const TEreignissListe& Ereignisse() const { return m_Ereignisse; }
    const TPhasenEreignis& PhasenEreignis() const { return m_PhasenEreignis; }

    // The moon's illumination for the moon picture.
    Extended Beleuchtung() const { return m_AufUnterDaten.Beleuchtung; }
    Extended Bildwinkel() const { return m_AufUnterDaten.Bildwinkel; }
    bool Zunehmend() const { return m_AufUnterDaten.Zunehmend; }

private:
    // Local clock time (MJD) of a phase instant jde of the series (dynamical time): less Delta T,
    // plus the standard or daylight offset in force at that instant, which goes to offset.
    Extended LokaleEreigniszeit(Extended jde, long& offset) const;
    // When a new or full moon falls on the local day t, sets MondPhase to its name and local
    // time and returns true.
    bool EreignisAmTag(Extended t);

    Extended m_Laenge;
    std::string m_Ort;
    Extended m_Breite;
    Extended m_Zeitpunkt;
    std::string m_ZeitZoneGMT;
    std::string m_MondPhase;
    std::string m_MondAufgang;
    std::string m_MondUntergang;
    std::string m_SonnenAufgang;
    std::string m_SonnenUntergang;
    std::array<std::string, dmAnzahl> m_Daemmerung;
    std::string m_ZeitZone;
    std::string m_Hinweis;
    std::string m_ZeitPunktText;
    std::string m_SommerzeitBeginn;
    std::string m_SommerzeitEnde;
    TSommerzeitInfoRec m_Sommerzeit;
    TAufUnterDaten m_AufUnterDaten;
    TKalenderZeitBasis m_ZeitBasis;
    TEreignissListe m_Ereignisse;
    TPhasenEreignis m_PhasenEreignis;
};

// Texts of the sun-and-moon object, usable on their own:
// a zone offset in hours as "+01:00", "-05:00" or "00:00";
std::string ZonenOffsetText(Extended stunden);
// the moon phase as a percentage, e.g. " 8,3%, zunehmend" (regional decimal separator);
std::string MondPhasenProzentText(Extended prozent, bool zunehmend);
// the rise and set texts of one block;
void AufUnterTexte(const TAufUnterBlock& block, std::string& aufgang, std::string& untergang);
// a twilight block as one text: "06:58 – 17:14 Uhr" (begin in the morning, end in the
// evening); "die ganze Nacht" where the sun stays above the twilight's depth all day, "keine"
// where it stays below; "–" in place of a crossing that falls on another day, as in
// "– – 17:14 Uhr" or "06:58 Uhr – –".
std::string DaemmerungText(const TAufUnterBlock& block);

}  // namespace lunoria
