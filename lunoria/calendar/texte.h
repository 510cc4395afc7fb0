// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The user-visible texts of the calendar arithmetic, numbered like string resources.

#include <array>

namespace lunoria {

enum TKalenderText : int {
    ktErster,  // occurrence 1 of a weekday in a month
    ktZweiter,
    ktDritter,
    ktVierter,
    ktLetzter,  // occurrence 5: the last one
    ktIm,
    ktUm,
    ktUhr,
    ktRegelFormat,  // rule description: occurrence, weekday (date), "im", month, "um", hh:mm "Uhr"
    ktKeineSommerzeit,
    ktCaldatUngueltig,    // placeholder: the MJD that could not be split
    ktTextdatumUnlesbar,  // a typed date that names no day
    ktAnzahlTexte
};

inline constexpr std::array<const char*, ktAnzahlTexte> KalenderTexte = {
    "erster",
    "zweiter",
    "dritter",
    "vierter",
    "letzter",
    "im",
    "um",
    "Uhr",
    "%s %s %s %s %s %0.2d%s%0.2d %s",
    "keine Sommerzeit definiert",
    "_Caldat: ungültiger Wert: \"%f\"",
    "Das eingegebene Textdatum kann nicht aufgelöst werden",
};

constexpr const char* KalenderText(TKalenderText nr)
{
    return KalenderTexte[static_cast<std::size_t>(nr)];
}

// Occurrence word for 1 ... 5 (5 = last); empty outside that range.
constexpr const char* VorkommenWort(int vorkommen)
{
    return (vorkommen >= 1 && vorkommen <= 5) ? KalenderTexte[static_cast<std::size_t>(ktErster + vorkommen - 1)] : "";
}

}  // namespace lunoria
