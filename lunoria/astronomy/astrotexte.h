// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The user-visible texts of the astronomy, numbered like string resources.

#include <array>
#include <cstddef>

namespace lunoria {

enum TAstroText : int {
    // The ten lunar event names, in the order of the event types (TEreignis::Typ).
    atNeumond,
    atErstesViertel,
    atVollmond,
    atLetztesViertel,
    atPerigaeum,
    atApogaeum,
    atAufsteigenderKnoten,
    atAbsteigenderKnoten,
    atMaxNoerdlicheDeklination,
    atMaxSuedlicheDeklination,
    // Rise and set.
    atUhr,
    atGehtNichtAuf,
    atGehtNichtUnter,
    atImmerSichtbar,
    atImmerUnsichtbar,
    // Moon phase as a percentage: percent, then the waxing or waning word.
    atPhasenFormat,
    atZunehmend,
    atAbnehmend,
    // Default place: integer part and hundredths of the latitude and of the longitude (degrees,
    // longitude positive west).
    atBreiteGrad,
    atBreiteHundertstel,
    atLaengeGrad,
    atLaengeHundertstel,
    // A local day that the zone's clocks skipped.
    atTagGibtEsNicht,
    // Twilight: the sun never goes as low as its depth on the day, or never gets as high.
    atDaemmerungGanzeNacht,
    atDaemmerungKeine,
    // A crossing of the day's twilight that falls on the day before or after.
    atNichtAmTag,
    atAnzahlTexte
};

inline constexpr std::array<const char*, atAnzahlTexte> AstroTexte = {
    "Neumond",
    "Erstes Viertel",
    "Vollmond",
    "Letztes Viertel",
    "Perigäum",
    "Apogäum",
    "Aufsteigender Knoten",
    "Absteigender Knoten",
    "Maximale nördliche Deklination",
    "Maximale südliche Deklination",
    "Uhr",
    "geht nicht auf",
    "geht nicht unter",
    "immer sichtbar",
    "immer unsichtbar",
    "%4.1f%%, %s",
    "zunehmend",
    "abnehmend",
    "49",
    "47",
    "-9",
    "65",
    "Diesen Tag gab es in dieser Zeitzone nicht.",
    "die ganze Nacht",
    "keine",
    "nicht an diesem Tag",
};

constexpr const char* AstroText(TAstroText nr)
{
    return AstroTexte[static_cast<std::size_t>(nr)];
}

}  // namespace lunoria
