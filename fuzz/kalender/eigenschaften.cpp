// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Calendar arithmetic on any extended and integer values: Caldat splits what lies in the
// supported years into a real date and hours 0 <= h < 24 and refuses the rest with its
// message; dates and MJDs convert into each other; the facts of a day stay in their ranges.

#include <cmath>
#include <cstring>
#include <string>

#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/zahlformat.h"
#include "eigenschaften.h"

namespace lunoria::fuzz {

namespace {

template <typename T>
T Lies(const std::uint8_t*& daten, std::size_t& groesse)
{
    T wert{};
    const std::size_t n = std::min(sizeof wert, groesse);
    std::memcpy(&wert, daten, n);
    daten += n;
    groesse -= n;
    return wert;
}

// An 80-bit extended value from ten bytes: every bit pattern, NaNs and the ones the x87 calls
// invalid included.
Extended LiesExtended(const std::uint8_t*& daten, std::size_t& groesse)
{
    Extended wert = 0;
    const std::size_t n = std::min<std::size_t>(10, groesse);
    std::memcpy(&wert, daten, n);
    daten += n;
    groesse -= n;
    return wert;
}

const Extended ErsterTag = MJDAusDatum(1, 1, MinJahrStandard, 0);
const Extended NachLetztemTag = MJDAusDatum(31, 12, MaxJahrStandard, 0) + 1;

std::string PruefeMJD(Extended mjd, TUmgebung& umgebung)
{
    int t = 7, m = 7, j = 7;
    Extended h = 7;
    const int vorher = umgebung.Meldungen;
    const bool imBereich = mjd >= ErsterTag && mjd < NachLetztemTag;
    const std::string wo = Format(" at MJD %.6Lf", mjd);
    if (!Caldat(mjd, t, m, j, h)) {
        if (imBereich)
            return "Caldat refuses" + wo;
        if (umgebung.Meldungen != vorher + 1 || t != 0 || m != 0 || j != 0 || h != 0)
            return "Caldat refuses without its message or with outputs" + wo;
        return {};
    }
    if (!DatumGueltig(t, m, j) || !(h >= 0 && h < 24))
        return Format("Caldat: %d.%d.%d, %.21Lf h", t, m, j, h) + wo;
    // The date and hours give the MJD back, to the rounding of adding 2400000.5.
    const Extended zurueck = MJDAusDatum(t, m, j, h);
    if (!(std::fabs(zurueck - mjd) <= 1e-6L + std::fabs(mjd) * 1e-15L))
        return Format("Caldat: %d.%d.%d, %.6Lf h is MJD %.6Lf", t, m, j, h, zurueck) + wo;
    if (!imBereich)
        return {};

    // The facts of the whole day.
    const Extended tag = MJDAusDatum(t, m, j, 0);
    const int w0 = Wochentag(0, tag), w1 = Wochentag(1, tag);
    if (w0 < 0 || w0 > 6 || w1 != (w0 == 0 ? 7 : w0))
        return "Wochentag" + wo;
    const int n = TagDesJahres(tag);
    if (n < 1 || n > 366 || JahrVon(tag) != j)
        return "TagDesJahres" + wo;
    const int kw = Kalenderwoche(tag);
    const Extended montag = KalenderwocheStart(tag);
    if (kw < 1 || kw > 53 || Wochentag(1, montag) != 1 || tag - montag < 0 || tag - montag > 6)
        return Format("Kalenderwoche %d", kw) + wo;
    // The date as a text reads back as the same day.
    int fehler = -1;
    if (TextDatumZuMJD(MJDZuTextDatum(mjd), fehler) != tag || fehler != 0)
        return "MJDZuTextDatum does not read back" + wo;
    if (umgebung.Meldungen != vorher)
        return "a message within the supported years" + wo;
    return {};
}

// A date given as three integers.
std::string PruefeDatum(int t, int m, int j, TUmgebung& umgebung)
{
    // Any numbers: no fault, whatever the result.
    MJDAusDatum(t, m, j, 0);
    TageImMonat(m, j);
    Schaltjahr(j);
    const bool gueltig = DatumGueltig(t, m, j);
    if (j < MinJahrStandard || j > MaxJahrStandard)
        return {};
    ErsterWochentagImMonat(t, m, j);
    LetzterWochentagImMonat(t, m, j);
    if (!gueltig)
        return {};
    if (Schaltjahr(j) != (TageImMonat(2, j) == 29))
        return Format("Schaltjahr %d", j);
    int t2, m2, j2;
    Extended h;
    const Extended mjd = MJDAusDatum(t, m, j, 0);
    if (!Caldat(mjd, t2, m2, j2, h) || t2 != t || m2 != m || j2 != j || h != 0)
        return Format("Caldat(MJDAusDatum(%d, %d, %d)) is %d.%d.%d", t, m, j, t2, m2, j2);
    // The next day of the calendar is the next MJD.
    int nt = t + 1, nm = m, nj = j;
    if (j == 1582 && m == 10 && t == 4)
        nt = 15;
    else if (nt > TageImMonat(m, j))
        nt = 1, nm = m % 12 + 1, nj = m == 12 ? j + 1 : j;
    if (nj <= MaxJahrStandard && MJDAusDatum(nt, nm, nj, 0) != mjd + 1)
        return Format("%d.%d.%d is not the day after %d.%d.%d", nt, nm, nj, t, m, j);
    return PruefeMJD(mjd, umgebung);
}

}  // namespace

std::string PruefeKalender(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse == 0)
        return {};
    TUmgebung umgebung;
    const std::uint8_t art = daten[0];
    ++daten;
    --groesse;
    switch (art % 3) {
    case 0: {
        // Any extended value.
        const Extended mjd = LiesExtended(daten, groesse);
        RundeGerade(mjd);
        return PruefeMJD(mjd, umgebung);
    }
    case 1: {
        // A moment of the supported years: whole days from the first and a fraction.
        const auto tage = Lies<std::uint64_t>(daten, groesse);
        const auto teil = Lies<std::uint32_t>(daten, groesse);
        const Extended spanne = NachLetztemTag - ErsterTag;
        const Extended mjd = ErsterTag + static_cast<Extended>(tage % static_cast<std::uint64_t>(spanne)) +
                             static_cast<Extended>(teil) / 4294967296.0L;
        return PruefeMJD(mjd, umgebung);
    }
    default: {
        const auto t = Lies<std::int32_t>(daten, groesse);
        const auto m = Lies<std::int32_t>(daten, groesse);
        const auto j = Lies<std::int32_t>(daten, groesse);
        if (std::string f = PruefeDatum(t, m, j, umgebung); !f.empty())
            return f;
        // The same numbers folded into the calendar's ranges.
        const int jahr = MinJahrStandard +
                         static_cast<int>(static_cast<std::uint32_t>(j) % (MaxJahrStandard - MinJahrStandard + 1));
        const int monat = 1 + static_cast<int>(static_cast<std::uint32_t>(m) % 12);
        const int tag = 1 + static_cast<int>(static_cast<std::uint32_t>(t) % 31);
        return PruefeDatum(tag, monat, jahr, umgebung);
    }
    }
}

}  // namespace lunoria::fuzz
