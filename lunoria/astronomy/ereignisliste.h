// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The lunar events of one calendar month: an ordered list of named entries, each owning the
// record of its event.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "astrotexte.h"
#include "calendar/extended.h"

namespace lunoria {

// One lunar event: its instant and its type (index into EreignisNamen). Only the principal
// phases, types 0 ... 3, are produced.
struct TEreignis {
    Extended Zeitpunkt = 0;  // MJD, dynamical time as the phase series gives it
    unsigned char Typ = 0;
};

// Names of the ten event types, indexed by TEreignis::Typ.
inline constexpr std::array<const char*, 10> EreignisNamen = {
    AstroTexte[atNeumond],
    AstroTexte[atErstesViertel],
    AstroTexte[atVollmond],
    AstroTexte[atLetztesViertel],
    AstroTexte[atPerigaeum],
    AstroTexte[atApogaeum],
    AstroTexte[atAufsteigenderKnoten],
    AstroTexte[atAbsteigenderKnoten],
    AstroTexte[atMaxNoerdlicheDeklination],
    AstroTexte[atMaxSuedlicheDeklination],
};

class TEreignissListe {
public:
    // Number of entries.
    std::size_t Count() const { return eintraege_.size(); }
    bool Leer() const { return eintraege_.empty(); }

    // Text and record of entry i, 0 <= i < Count(); out of range throws std::out_of_range.
    const std::string& Strings(std::size_t i) const { return eintraege_.at(i).Name; }
    const TEreignis& Objects(std::size_t i) const { return eintraege_.at(i).Ereignis; }

    // Appends an entry with its name and record (the list keeps its own copy).
    void Add(const std::string& name, const TEreignis& ereignis);

    // Removes every entry together with its record.
    void Clear();

    // Appends the principal lunar phases of the calendar month that contains the MJD t, in
    // time order (four or five). Does not clear the list first. An MJD that cannot be split
    // into a date appends nothing.
    void FuelleMonat(Extended t);

private:
    struct TEintrag {
        std::string Name;
        TEreignis Ereignis;
    };
    std::vector<TEintrag> eintraege_;
};

}  // namespace lunoria
