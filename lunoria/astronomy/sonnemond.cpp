// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "sonnemond.h"

#include <array>
#include <clocale>
#include <cmath>

#include "astrotexte.h"
#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/regional.h"
#include "calendar/zahlformat.h"
#include "calendar/zonenregel.h"
#include "genau.h"
#include "kreisfunktionen.h"
#include "kurzreihen.h"
#include "mondphase.h"

namespace lunoria {

namespace {

// A default coordinate from its two texts: whole degrees and hundredths, the hundredths
// taking the sign of a negative degree part.
Extended OrtAusTexten(TAstroText gradText, TAstroText hundertstelText)
{
    int grad = 0, hundertstel = 0;
    TextZuZahl(AstroText(gradText), grad);
    TextZuZahl(AstroText(hundertstelText), hundertstel);
    const Extended bruch = static_cast<Extended>(hundertstel) / 100;
    return grad >= 0 ? grad + bruch : grad - bruch;
}

std::string MitUhr(Extended stunden)
{
    return ZeitText(stunden) + " " + AstroText(atUhr);
}

// SinusHoehe with the local sidereal time of the instant given.
Extended SinusHoeheMitSternzeit(TAufUnterObjekt objekt, Extended mjd, Extended sternzeit, Extended sinBreite,
                                Extended cosBreite)
{
    const Extended t = JHdAusMJD(mjd);
    const TAequatorKurz a = objekt == auoMond ? MondKurz(t) : SonneKurz(t);
    const Extended tau = 15 * (sternzeit - a.Rektaszension);
    Extended sinDekl, cosDekl;
    SinusKosinus(a.Deklination * GradZuRad, sinDekl, cosDekl);
    return sinBreite * sinDekl + cosBreite * cosDekl * Kosinus(tau * GradZuRad);
}

// The hours 0 ... 26 of one local day with the sine of the altitude of moon and sun, each
// computed at its first use: the searches of the moon, the sun and the three twilights visit
// the same hours, and the local sidereal time of an hour serves both bodies.
class TStunden {
public:
    TStunden(Extended mjd0, Extended laenge, Extended sinBreite, Extended cosBreite)
        : m_Mjd0(mjd0),
          m_Laenge(laenge),
          m_SinBreite(sinBreite),
          m_CosBreite(cosBreite)
    {
    }

    Extended Hoehe(TAufUnterObjekt objekt, int stunde)
    {
        const std::size_t i = static_cast<std::size_t>(stunde);
        const std::size_t k = objekt == auoMond ? 0 : 1;
        if (!m_HoeheBekannt[k][i]) {
            const Extended mjd = m_Mjd0 + static_cast<Extended>(stunde) / 24;
            if (!m_SternzeitBekannt[i]) {
                m_Sternzeit[i] = OrtsSternzeit(mjd, m_Laenge);
                m_SternzeitBekannt[i] = true;
            }
            m_Hoehe[k][i] = SinusHoeheMitSternzeit(objekt, mjd, m_Sternzeit[i], m_SinBreite, m_CosBreite);
            m_HoeheBekannt[k][i] = true;
        }
        return m_Hoehe[k][i];
    }

private:
    Extended m_Mjd0, m_Laenge, m_SinBreite, m_CosBreite;
    std::array<Extended, 27> m_Sternzeit{};
    std::array<bool, 27> m_SternzeitBekannt{};
    std::array<std::array<Extended, 27>, 2> m_Hoehe{};  // [0] moon, [1] sun
    std::array<std::array<bool, 27>, 2> m_HoeheBekannt{};
};

// Fills one block by the two-hourly parabola search.
void SucheObjekt(TAufUnterObjekt objekt, TStunden& stunden, Extended s0, TAufUnterBlock& block, int anzahl)
{
    block = TAufUnterBlock{};
    int stunde = 1;
    Extended ym = stunden.Hoehe(objekt, stunde - 1) - s0;
    block.ObenBeiStart = ym > 0;
    do {
        const Extended y0 = stunden.Hoehe(objekt, stunde) - s0;
        const Extended yp = stunden.Hoehe(objekt, stunde + 1) - s0;
        const TQuadInterpolation q = QuadInterpolation(ym, y0, yp);
        if (q.n == 1) {
            if (ym < 0) {
                block.Aufgang = stunde + q.r1;
                block.AufgangGefunden = true;
            } else {
                block.Untergang = stunde + q.r1;
                block.UntergangGefunden = true;
            }
        } else if (q.n == 2) {
            if (q.ye < 0) {
                block.Aufgang = stunde + q.r2;
                block.Untergang = stunde + q.r1;
            } else {
                block.Aufgang = stunde + q.r1;
                block.Untergang = stunde + q.r2;
            }
            block.AufgangGefunden = true;
            block.UntergangGefunden = true;
        }
        ym = yp;
        stunde += 2;
    } while (stunde < anzahl + 1 && !(block.AufgangGefunden && block.UntergangGefunden));
}

// Sharpens a crossing the parabola found: a few secant steps on the altitude itself, starting
// at the parabola's answer and a minute after it, so that they find the crossing nearest to it
// (a grazing body crosses twice within minutes). A step that runs off by more than a quarter of
// an hour, or does not settle, leaves the parabola's answer.
void Schaerfen(TAufUnterObjekt objekt, Extended mjd0, Extended laenge, Extended sinBreite, Extended cosBreite,
               Extended s0, Extended& stunden, bool gefunden)
{
    if (!gefunden)
        return;
    const auto f = [&](Extended h) { return SinusHoehe(objekt, mjd0, h, laenge, sinBreite, cosBreite) - s0; };
    Extended x0 = stunden;
    Extended x1 = stunden + 1.0L / 60;
    Extended f0 = f(x0);
    Extended f1 = f(x1);
    for (int schritt = 0; schritt < 3; ++schritt) {
        if (f1 == f0)
            return;
        const Extended x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
        if (std::fabs(x2 - stunden) > 0.25L)
            return;
        x0 = x1;
        f0 = f1;
        x1 = x2;
        if (std::fabs(x1 - x0) < 1.0L / 3600)
            break;
        f1 = f(x1);
    }
    if (std::fabs(x1 - x0) < 1.0L / 600)
        stunden = x1;
}

// The hours of a search from mjd0 as clock hours of the local day from tag: each instant with the
// offset in force at it, to the minute. An instant at or after the next local midnight belongs
// to the next day: not found on this one.
void AufLokaleStunden(TAufUnterBlock& block, TKalenderZeitBasis basis, Extended mjd0, Extended tag)
{
    const auto umrechnen = [&](Extended& stunden, bool& gefunden, long& offset) {
        if (!gefunden)
            return;
        const Extended u = mjd0 + stunden / 24;
        offset = ZonenZeitAm(basis, u).Offset;
        const Extended lokal = u + static_cast<Extended>(offset) / 3600 / 24;
        const Extended minuten = std::round((lokal - tag) * 1440);
        if (minuten >= 1440 || minuten < 0) {
            gefunden = false;
            stunden = -1;
            return;
        }
        stunden = minuten / 60;
    };
    umrechnen(block.Aufgang, block.AufgangGefunden, block.AufgangOffset);
    umrechnen(block.Untergang, block.UntergangGefunden, block.UntergangOffset);
}

}  // namespace

TQuadInterpolation QuadInterpolation(Extended ym, Extended y0, Extended yp)
{
    TQuadInterpolation q;
    const Extended a = (ym + yp) / 2 - y0;
    const Extended b = (yp - ym) / 2;
    const Extended c = y0;
    if (a == 0) {
        // A straight line: at most its one root.
        q.xe = 0;
        q.ye = c;
        if (b != 0) {
            const Extended r = -c / b;
            q.r1 = q.r2 = r;
            q.n = std::fabs(r) <= 1 ? 1 : 0;
        }
        return q;
    }
    q.xe = -b / (2 * a);
    q.ye = (a * q.xe + b) * q.xe + c;
    const Extended dis = b * b - 4 * a * c;
    if (dis >= 0) {
        const Extended dx = 0.5L * std::sqrt(dis) / std::fabs(a);
        q.r1 = q.xe - dx;
        q.r2 = q.xe + dx;
        if (std::fabs(q.r1) <= 1)
            ++q.n;
        if (std::fabs(q.r2) <= 1)
            ++q.n;
        if (q.r1 < -1)
            q.r1 = q.r2;
    }
    return q;
}

Extended SinusHoehe(TAufUnterObjekt objekt, Extended mjd0, Extended stunde, Extended laenge, Extended sinBreite,
                    Extended cosBreite)
{
    const Extended mjd = mjd0 + stunde / 24;
    return SinusHoeheMitSternzeit(objekt, mjd, OrtsSternzeit(mjd, laenge), sinBreite, cosBreite);
}

void AufUnterSuche(TAufUnterDaten& daten)
{
    AufUnterSuche(daten, daten.Zeitpunkt - daten.ZonenOffset / 24, 24);
}

void AufUnterSuche(TAufUnterDaten& daten, Extended mjd0, int anzahl)
{
    // The moon's centre rises when its upper limb, lifted by refraction (34'), touches the
    // horizon as seen from the place: 0.7275 of its horizontal parallax less 34', with the
    // parallax of the day's middle (it changes by a fraction of a minute in a day).
    const Extended abstand = MondGenau(JHdAusMJD(mjd0 + anzahl / 48.0L)).Abstand;  // Earth radii
    const Extended parallaxe = std::asin(1 / abstand) / GradZuRad;
    const Extended s0Mond = std::sin((0.7275L * parallaxe - 34.0L / 60) * GradZuRad);
    const Extended s0Sonne = std::sin(-50.0L / 60 * GradZuRad);
    Extended sinBreite, cosBreite;
    SinusKosinus(daten.Breite * GradZuRad, sinBreite, cosBreite);
    TStunden stunden(mjd0, daten.Laenge, sinBreite, cosBreite);
    const auto suche = [&](TAufUnterObjekt objekt, Extended s0, TAufUnterBlock& block) {
        SucheObjekt(objekt, stunden, s0, block, anzahl);
        Schaerfen(objekt, mjd0, daten.Laenge, sinBreite, cosBreite, s0, block.Aufgang, block.AufgangGefunden);
        Schaerfen(objekt, mjd0, daten.Laenge, sinBreite, cosBreite, s0, block.Untergang, block.UntergangGefunden);
    };
    suche(auoMond, s0Mond, daten.Mond);
    suche(auoSonne, s0Sonne, daten.Sonne);
    // Twilight: the sun's centre at the depth itself; refraction is left out by definition.
    constexpr std::array<Extended, dmAnzahl> tiefe = {-6, -12, -18};
    for (std::size_t i = 0; i < tiefe.size(); ++i)
        suche(auoSonne, std::sin(tiefe[i] * GradZuRad), daten.Daemmerung[i]);
}

std::string ZonenOffsetText(Extended stunden)
{
    std::string text;
    if (stunden > 0)
        text = "+";
    else if (stunden < 0)
        text = "-";
    return text + ZeitText(std::fabs(stunden));
}

std::string MondPhasenProzentText(Extended prozent, bool zunehmend)
{
    std::string text = Format(AstroText(atPhasenFormat), static_cast<double>(prozent),
                              AstroText(zunehmend ? atZunehmend : atAbnehmend));
    // printf writes the C library's decimal point; the text shows the regional one.
    const char* punkt = std::localeconv()->decimal_point;
    const std::string cPunkt = punkt && *punkt ? punkt : ".";
    const std::size_t stelle = text.find(cPunkt);
    if (stelle != std::string::npos)
        text.replace(stelle, cPunkt.size(), RegionaleEinstellungen().Dezimaltrenner);
    return text;
}

void AufUnterTexte(const TAufUnterBlock& block, std::string& aufgang, std::string& untergang)
{
    aufgang.clear();
    untergang.clear();
    if (block.AufgangGefunden || block.UntergangGefunden) {
        aufgang = block.AufgangGefunden ? MitUhr(block.Aufgang) : AstroText(atGehtNichtAuf);
        untergang = block.UntergangGefunden ? MitUhr(block.Untergang) : AstroText(atGehtNichtUnter);
    } else {
        aufgang = AstroText(block.ObenBeiStart ? atImmerSichtbar : atImmerUnsichtbar);
    }
}

std::string DaemmerungText(const TAufUnterBlock& block)
{
    if (!block.AufgangGefunden && !block.UntergangGefunden)
        return AstroText(block.ObenBeiStart ? atDaemmerungGanzeNacht : atDaemmerungKeine);
    const std::string beginn = block.AufgangGefunden ? ZeitText(block.Aufgang) : "\u2013";
    if (!block.UntergangGefunden)
        return MitUhr(block.Aufgang) + " \u2013 \u2013";
    return beginn + " \u2013 " + MitUhr(block.Untergang);
}

TSonneMondAufUnter::TSonneMondAufUnter(TKalenderZeitBasis zeitBasis)
    : TSonneMondAufUnter(zeitBasis, OrtAusTexten(atBreiteGrad, atBreiteHundertstel),
                         OrtAusTexten(atLaengeGrad, atLaengeHundertstel))
{
}

TSonneMondAufUnter::TSonneMondAufUnter(TKalenderZeitBasis zeitBasis, Extended breite, Extended laenge)
    : m_Laenge(laenge),
      m_Ort("97944 Boxberg"),
      m_Breite(breite),
      m_Zeitpunkt(MJDHeute()),
      m_ZeitBasis(zeitBasis)
{
}

void TSonneMondAufUnter::setLaenge(Extended laenge)
{
    if (laenge == m_Laenge)
        return;
    m_Laenge = laenge;
    Berechnen(m_Zeitpunkt);
}

void TSonneMondAufUnter::setBreite(Extended breite)
{
    if (breite == m_Breite)
        return;
    m_Breite = breite;
    Berechnen(m_Zeitpunkt);
}

void TSonneMondAufUnter::setZeitBasis(TKalenderZeitBasis basis)
{
    m_ZeitBasis = basis;
}

void TSonneMondAufUnter::Berechnen(Extended t)
{
    m_Zeitpunkt = t;

    // Daylight saving of the year; the local day as an interval of universal time, which has
    // 23 or 25 hours where the clocks change, and none where they skipped the whole day.
    m_Sommerzeit = SommerzeitInfo(m_ZeitBasis, t);
    m_SommerzeitBeginn = m_Sommerzeit.BeginnText;
    m_SommerzeitEnde = m_Sommerzeit.EndeText;
    const Extended beginn = UtcAusLokal(m_ZeitBasis, t);
    const Extended ende = UtcAusLokal(m_ZeitBasis, t + 1);
    const Extended sekunde = 1.0L / 86400;
    const bool gibtTag = ende > beginn;
    m_Hinweis = gibtTag ? std::string() : std::string(AstroText(atTagGibtEsNicht));
    // The zone of the day's noon; the offset of the day, or how it changed during the day.
    const Extended mittag = UtcAusLokal(m_ZeitBasis, t + 0.5L);
    m_ZeitZone = ZonenNameAm(m_ZeitBasis, mittag);
    m_AufUnterDaten.ZonenOffset = OffsetStundenAm(m_ZeitBasis, mittag);
    const Extended amAnfang = OffsetStundenAm(m_ZeitBasis, gibtTag ? beginn : beginn - sekunde);
    const Extended amEnde = OffsetStundenAm(m_ZeitBasis, gibtTag ? ende - sekunde : beginn);
    m_ZeitZoneGMT = amAnfang == amEnde ? ZonenOffsetText(m_AufUnterDaten.ZonenOffset)
                                       : ZonenOffsetText(amAnfang) + " \u2192 " + ZonenOffsetText(amEnde);

    m_AufUnterDaten.Zeitpunkt = t;
    m_AufUnterDaten.Laenge = m_Laenge;
    m_AufUnterDaten.Breite = m_Breite;

    // The month's principal phases; a new or full moon on the date itself names the phase.
    m_Ereignisse.Clear();
    m_Ereignisse.FuelleMonat(t);
    m_PhasenEreignis = {};
    const bool ereignis = EreignisAmTag(t);
    const TMondBeleuchtung b = MondBeleuchtung(m_Breite, m_Laenge, t);
    m_AufUnterDaten.Beleuchtung = b.Prozent;
    m_AufUnterDaten.Zunehmend = b.Zunehmend;
    m_AufUnterDaten.Bildwinkel = b.Bildwinkel;
    if (!ereignis)
        m_MondPhase = MondPhasenProzentText(b.Prozent, b.Zunehmend);

    if (gibtTag) {
        AufUnterSuche(m_AufUnterDaten, beginn, ende - beginn > 1 + sekunde ? 26 : 24);
        AufLokaleStunden(m_AufUnterDaten.Sonne, m_ZeitBasis, beginn, t);
        AufLokaleStunden(m_AufUnterDaten.Mond, m_ZeitBasis, beginn, t);
        AufUnterTexte(m_AufUnterDaten.Sonne, m_SonnenAufgang, m_SonnenUntergang);
        AufUnterTexte(m_AufUnterDaten.Mond, m_MondAufgang, m_MondUntergang);
        for (std::size_t i = 0; i < m_Daemmerung.size(); ++i) {
            AufLokaleStunden(m_AufUnterDaten.Daemmerung[i], m_ZeitBasis, beginn, t);
            m_Daemmerung[i] = DaemmerungText(m_AufUnterDaten.Daemmerung[i]);
        }
    } else {
        // No clock time on a day the clocks never showed.
        m_AufUnterDaten.Sonne = m_AufUnterDaten.Mond = TAufUnterBlock{};
        m_AufUnterDaten.Daemmerung.fill(TAufUnterBlock{});
        m_SonnenAufgang = m_SonnenUntergang = m_MondAufgang = m_MondUntergang = "\u2013";
        m_Daemmerung.fill("\u2013");
    }

    m_ZeitPunktText = MJDZuTextDatum(t);
}

Extended TSonneMondAufUnter::LokaleEreigniszeit(Extended jde, long& offset) const
{
    // The phase series run in dynamical time; less Delta T gives universal time, and the
    // offset in force at that instant the local clock time.
    const Extended u = jde - DeltaTSekunden(jde) / 86400;
    offset = ZonenZeitAm(m_ZeitBasis, u).Offset;
    return u + static_cast<Extended>(offset) / 3600 / 24;
}

bool TSonneMondAufUnter::EreignisAmTag(Extended t)
{
    // Only a whole day can hold an event; a day fraction keeps the percentage text.
    if (!std::isfinite(t) || Abrunden(t) != t)
        return false;
    const auto suche = [&](const TEreignissListe& liste) {
        for (std::size_t i = 0; i < liste.Count(); ++i) {
            const TEreignis& e = liste.Objects(i);
            if (e.Typ != mpNeumond && e.Typ != mpVollmond)
                continue;
            // Zone offsets stay within a day, so farther events cannot fall on the date.
            if (std::fabs(e.Zeitpunkt - t) > 2)
                continue;
            // To the minute first: an event at 23:59:40 is shown at 00:00 of the next day.
            long offset = 0;
            const Extended lokal = std::round(LokaleEreigniszeit(e.Zeitpunkt, offset) * 1440) / 1440;
            // The day of the event counts from its own local midnight, also before MJD 0.
            const Extended tag = Abrunden(lokal);
            if (tag != t)
                continue;
            m_MondPhase = std::string(AstroText(e.Typ == mpNeumond ? atNeumond : atVollmond)) + " (" +
                          MitUhr((lokal - tag) * 24) + ")";
            m_PhasenEreignis = {e.Typ, lokal, offset};
            return true;
        }
        return false;
    };
    if (suche(m_Ereignisse))
        return true;
    // An empty list means a date that cannot be split (FuelleMonat has said so already).
    if (m_Ereignisse.Leer())
        return false;
    // The list holds the month by dynamical time; on the first and last day of a month the
    // local day may take an event of the neighbouring month.
    const int monat = MonatVon(t);
    for (const Extended nachbar : {t - 1, t + 1}) {
        // The calendar has no day before its first one.
        if (nachbar < MJDAusDatum(1, 1, MinJahrStandard, 0) || MonatVon(nachbar) == monat)
            continue;
        TEreignissListe liste;
        liste.FuelleMonat(nachbar);
        if (suche(liste))
            return true;
    }
    return false;
}

}  // namespace lunoria
