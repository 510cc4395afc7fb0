// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Instants of the principal phases of the moon after J. Meeus, Astronomical Algorithms (1991),
// chapter "Phases of the Moon": mean phase, periodic corrections, planetary arguments.

#include "calendar/extended.h"

namespace lunoria {

// Phase types; also the first four event types of the lunar event list.
enum TMondPhasenTyp : int {
    mpNeumond = 0,
    mpErstesViertel = 1,
    mpVollmond = 2,
    mpLetztesViertel = 3,
};

struct TMondPhase {
    Extended MJD = 0;  // instant of the phase: JDE - 2400000.5, dynamical time kept as it is
    int Typ = mpNeumond;
};

// The phase k counts lunations from the new moon of 6 January 2000 (k = 0): a whole k is a new
// moon, k + 0.25 a first quarter, k + 0.5 a full moon, k + 0.75 a last quarter; the fraction is
// taken with the sign of k (-0.75 is a first quarter). T and its powers are Julian centuries
// since J2000.0 of the month the caller works in; they are not derived from k.
// A k that is not a multiple of 0.25 (or not finite) names no phase: the result is then
// { NaN, -1 }.
TMondPhase MondPhaseZeit(Extended k, Extended t, Extended t2, Extended t3, Extended t4);

}  // namespace lunoria
