// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "astroinfo.h"

#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/zahlformat.h"
#include "sonnemond.h"

namespace lunoria {

namespace {

// Every start (or end) of summer time in the year, "am 31.03. um 02:00 Uhr und am 21.04. um
// 02:00 Uhr"; "nicht definiert" in a year without.
std::string SommerzeitLabel(const std::vector<TSommerzeitWechsel>& wechsel)
{
    if (wechsel.empty())
        return "nicht definiert";
    std::string text;
    for (const TSommerzeitWechsel& w : wechsel) {
        if (!text.empty())
            text += " und ";
        // "%.2d": at least two digits, as the label picture "am %0.2d.%0.2d. um %s Uhr" asks.
        text += Format("am %.2d.%.2d. um %s Uhr", w.Tag, w.Monat, ZeitText(w.Zeit).c_str());
    }
    return text;
}

std::string JahreszeitLabel(Extended t, TDatumsform form)
{
    return DatumText(t, form) + "  " + ZeitText(StundeVon(t)) + " Uhr";
}

}  // namespace

Astroinfo AstroinfoAus(const TSonneMondAufUnter& sm, Extended mjd)
{
    Astroinfo info;
    info.JD = JulDatAusMJD(mjd);
    info.MJD = mjd;
    info.JHd = JHdAusMJD(mjd);
    info.SonnenAufgang = sm.SonnenAufgang();
    info.SonnenUntergang = sm.SonnenUntergang();
    for (std::size_t i = 0; i < info.Daemmerung.size(); ++i)
        info.Daemmerung[i] = sm.Daemmerung(static_cast<TDaemmerung>(i));
    info.MondAufgang = sm.MondAufgang();
    info.MondUntergang = sm.MondUntergang();
    info.MondPhase = sm.MondPhase();
    info.ZeitZoneGMT = sm.ZeitZoneGMT();
    info.ZeitZone = sm.ZeitZone();
    info.Hinweis = sm.Hinweis();
    info.Sommerzeit = sm.SommerzeitDaten();
    info.Jahreszeiten = JahreszeitenLokal(JahrVon(mjd), sm.SommerzeitDaten(), &info.JahreszeitenOffset);
    info.AufUnter = sm.AufUnterDaten();
    info.Phase = sm.PhasenEreignis();
    info.Beleuchtung = sm.Beleuchtung();
    info.Bildwinkel = sm.Bildwinkel();
    info.Zunehmend = sm.Zunehmend();
    return info;
}

Astroinfo AstroinfoBerechnen(Extended mjd, TKalenderZeitBasis zeitBasis, Extended breite, Extended laenge)
{
    TSonneMondAufUnter sm(zeitBasis, breite, laenge);
    sm.Berechnen(mjd);
    return AstroinfoAus(sm, mjd);
}

TAstroinfoTexte AstroinfoTexte(const Astroinfo& info, TDatumsform form)
{
    TAstroinfoTexte t;
    t.lbJD = FormatFloat("#,#0.0000", info.JD);
    t.lbMJD = FormatFloat("#,#0.0000", info.MJD);
    t.lbJHd = FormatFloat("#,#0.000000", info.JHd);
    t.lbSonneAuf = info.SonnenAufgang;
    t.lbSonneUnter = info.SonnenUntergang;
    t.lbBuergerlich = info.Daemmerung[dmBuergerlich];
    t.lbNautisch = info.Daemmerung[dmNautisch];
    t.lbAstronomisch = info.Daemmerung[dmAstronomisch];
    t.lbMondAuf = info.MondAufgang;
    t.lbMondUnter = info.MondUntergang;
    t.lbMondPhase = info.MondPhase;
    t.lbGMT = info.ZeitZoneGMT;
    t.lbZeitzone = info.ZeitZone;
    const TSommerzeitInfoRec& s = info.Sommerzeit;
    t.lbStartSommerzeit = SommerzeitLabel(s.Beginne);
    t.lbEndeSommerzeit = SommerzeitLabel(s.Enden);
    t.lbFruehling = JahreszeitLabel(info.Jahreszeiten[jzFruehling], form);
    t.lbSommer = JahreszeitLabel(info.Jahreszeiten[jzSommer], form);
    t.lbHerbst = JahreszeitLabel(info.Jahreszeiten[jzHerbst], form);
    t.lbWinter = JahreszeitLabel(info.Jahreszeiten[jzWinter], form);
    return t;
}

std::array<TAstroinfoZeile, 19> AstroinfoZeilen(const TAstroinfoTexte& t)
{
    const auto z = [](TBeschriftung art, const std::string& wert) { return TAstroinfoZeile{art, Caption(art), wert}; };
    return {{
        z(bsJD, t.lbJD),
        z(bsMJD, t.lbMJD),
        z(bsJHd, t.lbJHd),
        z(bsMondphase, t.lbMondPhase),
        z(bsSonnenaufgang, t.lbSonneAuf),
        z(bsSonnenuntergang, t.lbSonneUnter),
        z(bsBuergerlich, t.lbBuergerlich),
        z(bsNautisch, t.lbNautisch),
        z(bsAstronomisch, t.lbAstronomisch),
        z(bsMondaufgang, t.lbMondAuf),
        z(bsMonduntergang, t.lbMondUnter),
        z(bsGMT, t.lbGMT),
        z(bsZeitzone, t.lbZeitzone),
        z(bsSommerzeitanfang, t.lbStartSommerzeit),
        z(bsSommerzeitende, t.lbEndeSommerzeit),
        z(bsFruehling, t.lbFruehling),
        z(bsSommer, t.lbSommer),
        z(bsHerbst, t.lbHerbst),
        z(bsWinter, t.lbWinter),
    }};
}

std::string DaemmerungZeilen(const TAstroinfoTexte& t)
{
    std::string text;
    for (const TAstroinfoZeile& z : AstroinfoZeilen(t)) {
        if (z.Art != bsBuergerlich && z.Art != bsNautisch && z.Art != bsAstronomisch)
            continue;
        text += (text.empty() ? "" : "\n") + std::string(z.Caption) + " " + z.Wert;
    }
    return text;
}

}  // namespace lunoria
