// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "ereignisliste.h"

#include <array>
#include <cmath>

#include "calendar/julian.h"
#include "mondphase.h"

namespace lunoria {

namespace {

// The principal phases of one calendar month in time order.
struct TMonatsPhasen {
    int Jahr = 0;
    int Monat = 0;
    bool Belegt = false;
    std::size_t Anzahl = 0;
    std::array<TEreignis, 5> Ereignisse{};
};

TMonatsPhasen PhasenDesMonats(int monat, int jahr)
{
    TMonatsPhasen ergebnis;
    ergebnis.Jahr = jahr;
    ergebnis.Monat = monat;

    // Julian centuries of 0 h on the first of the month; the same powers serve all phases.
    const Extended t1 = JHdAusMJD(MJDAusDatum(1, monat, jahr, 0));
    const Extended t2 = t1 * t1;
    const Extended t3 = t2 * t1;
    const Extended t4 = t3 * t1;

    // Mean lunations since 1.5 January 2000, taken down to the quarter phase at or before it.
    // k = 0 is the new moon of 6 January 2000, about 5.1 days later than that origin, so the
    // start phase lies between 2.3 days before and 5.1 days after the first of the month and
    // five quarter steps cover every principal phase of the month.
    const Extended k0 = 1236.85L * t1;
    Extended k = Abrunden(k0 * 4) / 4;

    for (int i = 0; i < 5; ++i) {
        const TMondPhase phase = MondPhaseZeit(k, t1, t2, t3, t4);
        k += 0.25L;
        if (phase.Typ < 0 || phase.Typ >= static_cast<int>(EreignisNamen.size()))
            continue;
        int etag, emonat, ejahr;
        Extended estunden;
        if (!Caldat(phase.MJD, etag, emonat, ejahr, estunden))
            continue;
        if (emonat == monat && ejahr == jahr)
            ergebnis.Ereignisse[ergebnis.Anzahl++] = TEreignis{phase.MJD, static_cast<unsigned char>(phase.Typ)};
    }
    return ergebnis;
}

// The months filled last, by their number modulo the size: the days of one month and the
// neighbouring months of its first and last day ask for the same months again and again.
thread_local std::array<TMonatsPhasen, 16> MonatsSpeicher{};

}  // namespace

void TEreignissListe::Add(const std::string& name, const TEreignis& ereignis)
{
    eintraege_.push_back({name, ereignis});
}

void TEreignissListe::Clear()
{
    eintraege_.clear();
}

void TEreignissListe::FuelleMonat(Extended t)
{
    int tag, monat, jahr;
    Extended stunden;
    if (!Caldat(t, tag, monat, jahr, stunden))
        return;

    const long long monatsNummer = static_cast<long long>(jahr) * 12 + (monat - 1);
    TMonatsPhasen& e = MonatsSpeicher[static_cast<std::size_t>(monatsNummer) % MonatsSpeicher.size()];
    if (!e.Belegt || e.Jahr != jahr || e.Monat != monat) {
        e = PhasenDesMonats(monat, jahr);
        e.Belegt = true;
    }
    for (std::size_t i = 0; i < e.Anzahl; ++i)
        Add(EreignisNamen[e.Ereignisse[i].Typ], e.Ereignisse[i]);
}

}  // namespace lunoria
