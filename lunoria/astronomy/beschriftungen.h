// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The captions of the window's two tabs, held once: the window's labels, the lines of
// lunoria-info and the field names of its JSON objects are read from this table.

#include <array>
#include <cstddef>

namespace lunoria {

enum TBeschriftung : int {
    // "Allgemein": the day facts.
    bsWochentag,
    bsMonat,
    bsJahr,
    bsLangesDatum,
    bsKalenderwoche,
    bsWocheBeginnt,
    bsTageSeit,
    bsTageBis,
    bsSchaltjahr,
    // "Astronomie", in the order of the tab's rows; the twilights are the sun's tooltip.
    bsOrt,
    bsJD,
    bsMJD,
    bsJHd,
    bsMondphase,
    bsSonnenaufgang,
    bsSonnenuntergang,
    bsBuergerlich,
    bsNautisch,
    bsAstronomisch,
    bsMondaufgang,
    bsMonduntergang,
    bsGMT,
    bsZeitzone,
    bsSommerzeitanfang,
    bsSommerzeitende,
    bsJahreszeiten,
    bsFruehling,
    bsSommer,
    bsHerbst,
    bsWinter,
    bsAnzahl
};

struct TBeschriftungEintrag {
    const char* Caption;  // as the window shows it, with its colon (or comma)
    const char* Feld;     // the JSON field name: lower case ASCII, words joined by "_"
};

inline constexpr std::array<TBeschriftungEintrag, bsAnzahl> Beschriftungen = {{
    {"Wochentag:", "wochentag"},
    {"Monat:", "monat"},
    {"Jahr:", "jahr"},
    {"langes Datum:", "langes_datum"},
    {"Kalenderwoche:", "kalenderwoche"},
    {"beginnt am:", "woche_beginnt"},
    {"Tage seit 1.1.:", "tage_seit_jahresanfang"},
    {"Tage bis 31.12.:", "tage_bis_jahresende"},
    {"Schaltjahr:", "schaltjahr"},
    {"Ort:", "ort"},
    {"Julianisches Datum (JD):", "jd"},
    {"Modifiziertes Julianisches Datum (MJD):", "mjd"},
    {"Julianische Jahrhunderte (JHd):", "jhd"},
    {"Mondphase:", "mondphase"},
    {"Sonnenaufgang:", "sonnenaufgang"},
    {"Sonnenuntergang:", "sonnenuntergang"},
    {"Bürgerliche Dämmerung:", "buergerliche_daemmerung"},
    {"Nautische Dämmerung:", "nautische_daemmerung"},
    {"Astronomische Dämmerung:", "astronomische_daemmerung"},
    {"Mondaufgang:", "mondaufgang"},
    {"Monduntergang:", "monduntergang"},
    {"GMT:", "gmt"},
    {"Zeitzone:", "zeitzone"},
    // The daylight-saving captions end with a comma: "Sommerzeitanfang, am 29.03. um 02:00
    // Uhr" reads as one phrase.
    {"Sommerzeitanfang,", "sommerzeitanfang"},
    {"Sommerzeitende,", "sommerzeitende"},
    {"Jahreszeiten:", "jahreszeiten"},
    {"Frühlingsanfang:", "fruehlingsanfang"},
    {"Sommeranfang:", "sommeranfang"},
    {"Herbstanfang:", "herbstanfang"},
    {"Winteranfang:", "winteranfang"},
}};

constexpr const char* Caption(TBeschriftung b)
{
    return Beschriftungen[static_cast<std::size_t>(b)].Caption;
}

constexpr const char* Feld(TBeschriftung b)
{
    return Beschriftungen[static_cast<std::size_t>(b)].Feld;
}

// The yes and no of the leap-year row.
inline constexpr const char* JaText = "Ja";
inline constexpr const char* NeinText = "Nein";

}  // namespace lunoria
