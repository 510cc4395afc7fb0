// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "julian.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

#include "meldung.h"
#include "texte.h"
#include "uhr.h"

namespace lunoria {

namespace {

// Month lengths January ... December of a common year.
constexpr std::array<int, 12> TageProMonat = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Indexed by the ISO weekday (1 = Monday ... 7 = Sunday) minus one.
// Days to add to the day of the year so that week 1 starts on day 1.
constexpr std::array<int, 7> Offset1Januar = {0, 1, 2, 3, -3, -2, -1};
// Days from the weekday to the day before that week's Thursday.
constexpr std::array<int, 7> OffsetVorDonnerstag = {2, 1, 0, -1, -2, -3, -4};

// Largest |JD| that Caldat splits: its year (about JD / 365.25) still fits a 32-bit integer.
constexpr Extended CaldatGrenze = 2147000000.0L * 365.25L;

void MeldeUngueltig(Extended mjd)
{
    char text[512];
    std::snprintf(text, sizeof text, KalenderText(ktCaldatUngueltig), static_cast<double>(mjd));
    Fehlermeldung(text);
}

}  // namespace

long long RundeGerade(Extended x)
{
    constexpr Extended grenze = 4611686018427387904.0L;  // 2^62
    if (std::isnan(x))
        return 0;
    if (x >= grenze)
        return static_cast<long long>(grenze);
    if (x <= -grenze)
        return -static_cast<long long>(grenze);
    return GanzzahlAus(RundeNaechste(x));  // to nearest, ties to even
}

Extended MJDAusDatum(int tag, int monat, int jahr, Extended stunden)
{
    // 64-bit throughout: 365 * year and year * 10000 exceed 32 bits for the late years.
    const long long k = static_cast<long long>(jahr) * 10000 + static_cast<long long>(monat) * 100 + tag;
    long long m = monat;
    long long y = jahr;
    if (m <= 2) {
        m += 12;
        y -= 1;
    }
    long long b;
    if (k <= 15821004)  // 4 October 1582 or earlier: Julian calendar
        b = (y + 4716) / 4 - 1181;
    else
        b = y / 400 - y / 100 + y / 4;
    const long long monatsTage = GanzzahlAus(Abschneiden(30.6001L * static_cast<Extended>(m + 1)));
    return static_cast<Extended>(365 * y - 679004 + b + monatsTage + tag) + stunden / 24;
}

bool Caldat(Extended mjd, int& tag, int& monat, int& jahr, Extended& stunden)
{
    tag = 0;
    monat = 0;
    jahr = 0;
    stunden = 0;
    const Extended jd = JulDatAusMJD(mjd);
    // Before JD -0.5 (1 January -4712, 0 h) the whole day of the method would be cut toward
    // zero instead of down, and the hours would come out negative.
    if (!std::isfinite(jd) || jd < -0.5L || jd > CaldatGrenze) {
        MeldeUngueltig(mjd);
        return false;
    }
    const Extended z = Abschneiden(jd + 0.5L);
    // The truncated quotients of the method in whole numbers, 64 bits throughout (365 * C
    // exceeds 32 bits in the last years up to 5879490): trunc((Z - 1867216.25) / 36524.25) is
    // (4 Z - 7468865) div 146097, trunc((B - 122.1) / 365.25) is (20 B - 2442) div 7305,
    // trunc(K / 30.6001) is 10000 K div 306001 and trunc(30.6001 E) is 306001 E div 10000 (div
    // cutting toward zero like trunc). Where such a quotient is not whole it lies at least
    // 1/306001 from the next whole number, far beyond what the rounding of the floating
    // quotients reaches within CaldatGrenze, so both truncate alike.
    const long long zi = GanzzahlAus(z);
    long long b;
    if (zi < 2299161) {  // before 15 October 1582
        b = zi + 1524;
    } else {
        const long long alpha = (4 * zi - 7468865) / 146097;
        b = zi + 1 + alpha - alpha / 4 + 1524;
    }
    const long long c = (20 * b - 2442) / 7305;
    const long long d = 365 * c + c / 4;
    const long long k = b - d;
    const long long e = 10000 * k / 306001;
    const long long t = (k >= 0 ? k : k + 1) - 306001 * e / 10000;  // trunc(K + 0.5) - trunc(30.6001 E)
    const long long m = e - 1 - 12 * (e / 14);
    const long long y = c - 4715 - (m + 7) / 10;
    // Never hand on a month 0 or a day 32: what the method cannot split is refused.
    if (m < 1 || m > 12 || t < 1 || t > 31) {
        MeldeUngueltig(mjd);
        return false;
    }
    tag = static_cast<int>(t);
    monat = static_cast<int>(m);
    jahr = static_cast<int>(y);
    stunden = (jd + 0.5L - z) * 24;
    return true;
}

int JahrVon(Extended mjd)
{
    int t, m, j;
    Extended h;
    return Caldat(mjd, t, m, j, h) ? j : -1;
}

int MonatVon(Extended mjd)
{
    int t, m, j;
    Extended h;
    return Caldat(mjd, t, m, j, h) ? m : -1;
}

int TagVon(Extended mjd)
{
    int t, m, j;
    Extended h;
    return Caldat(mjd, t, m, j, h) ? t : -1;
}

Extended StundeVon(Extended mjd)
{
    int t, m, j;
    Extended h;
    return Caldat(mjd, t, m, j, h) ? h : -1.0L;
}

Extended MJDJetzt()
{
    const TSystemZeit z = Jetzt().Lokal;
    const Extended stunden = z.Stunde + z.Minute / 60.0L + z.Sekunde / 3600.0L + z.Millisekunde / 3600000.0L;
    return MJDAusDatum(z.Tag, z.Monat, z.Jahr, stunden);
}

Extended MJDHeute()
{
    const TSystemZeit z = Jetzt().Lokal;
    return MJDAusDatum(z.Tag, z.Monat, z.Jahr, 0);
}

int JahrHeute()
{
    return JahrVon(MJDHeute());
}

int TagDesJahres(Extended mjd)
{
    return static_cast<int>(RundeGerade(mjd - MJDAusDatum(1, 1, JahrVon(mjd), 0)) + 1);
}

int Wochentag(int nummerierung, Extended mjd)
{
    // JD + 1.5 = MJD + 2400002 counts days from a Sunday. Floored remainder, so that a date
    // before the supported years still gives 0 ... 6.
    long long w = RundeGerade(mjd + 2400002) % 7;
    if (w < 0)
        w += 7;
    if (nummerierung == 1 && w == 0)
        return 7;
    return static_cast<int>(w);
}

bool Schaltjahr(int jahr)
{
    if (jahr < 1583)
        return jahr % 4 == 0;
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

int TageImMonat(int monat, int jahr)
{
    if (monat < 1 || monat > 12)
        return 0;  // no such month: no valid day
    int tage = TageProMonat[static_cast<std::size_t>(monat - 1)];
    if (monat == 2 && Schaltjahr(jahr))
        ++tage;
    return tage;
}

int TageImMonatKalender(int monat, int jahr)
{
    if (monat == 10 && jahr == 1582)
        return 21;  // 31 days less the ten dropped at the calendar reform
    return TageImMonat(monat, jahr);
}

bool DatumGueltig(int tag, int monat, int jahr)
{
    // 5 to 14 October 1582 never existed: the Julian 4 October was followed by the Gregorian
    // 15 October. Every other day up to the month's length is a date.
    if (jahr == 1582 && monat == 10 && tag >= 5 && tag <= 14)
        return false;
    return monat >= 1 && monat <= 12 && tag >= 1 && tag <= TageImMonat(monat, jahr);
}

int Kalenderwoche(Extended mjd)
{
    const int j = JahrVon(mjd);
    const int n = TagDesJahres(mjd);
    const int a = n + Offset1Januar[static_cast<std::size_t>(Wochentag(1, MJDAusDatum(1, 1, j, 0)) - 1)];
    if (a <= 0)
        return Kalenderwoche(MJDAusDatum(31, 12, j - 1, 0));
    if (n + OffsetVorDonnerstag[static_cast<std::size_t>(Wochentag(1, mjd) - 1)] >=
        TagDesJahres(MJDAusDatum(31, 12, j, 0)))
        return 1;
    return (a - 1) / 7 + 1;
}

Extended KalenderwocheStart(Extended mjd)
{
    const int k = Kalenderwoche(mjd);
    Extended d = mjd - 7;
    // 1 January -4712 is a Monday: the first week lies wholly in the calendar, and the days
    // before it, which Caldat refuses, need not be tried.
    const Extended ersterTag = MJDAusDatum(1, 1, MinJahrStandard, 0);
    while (d < ersterTag && d + 7 >= ersterTag)
        d += 1;
    // The Monday lies at most seven days back; the bound keeps NaN from looping.
    for (int schritt = 0; schritt < 8 && Kalenderwoche(d) != k; ++schritt)
        d += 1;
    return d;
}

Extended ErsterWochentagImMonat(int wochentag, int monat, int jahr)
{
    const int gesucht = wochentag == 0 ? 7 : wochentag;
    for (int tag = 1; tag <= 7; ++tag) {
        const Extended mjd = MJDAusDatum(tag, monat, jahr, 0);
        if (Wochentag(1, mjd) == gesucht)
            return mjd;
    }
    return MJDAusDatum(1, monat, jahr, 0);  // no such weekday number
}

Extended LetzterWochentagImMonat(int wochentag, int monat, int jahr)
{
    const int gesucht = wochentag == 0 ? 7 : wochentag;
    const int letzter = TageImMonat(monat, jahr);
    for (int tag = letzter; tag > letzter - 7; --tag) {
        const Extended mjd = MJDAusDatum(tag, monat, jahr, 0);
        if (Wochentag(1, mjd) == gesucht)
            return mjd;
    }
    return MJDAusDatum(letzter, monat, jahr, 0);  // no such weekday number
}

Extended DeltaTSekunden(Extended mjd)
{
    struct Zeile {
        int bisJahr;  // last year of the row
        Extended sekunden;
    };
    static constexpr std::array<Zeile, 28> tabelle = {{
        {1899, 0.0L},   {1904, -2.72L}, {1909, 3.86L},  {1914, 10.46L},
        {1919, 17.20L}, {1924, 21.16L}, {1929, 23.62L}, {1934, 24.02L},
        {1939, 23.93L}, {1944, 24.33L}, {1949, 26.77L}, {1954, 29.15L},
        {1959, 31.05L}, {1964, 33.15L}, {1969, 35.73L}, {1974, 40.18L},
        {1979, 45.58L}, {1981, 50.24L}, {1983, 52.20L}, {1984, 53.80L},
        {1985, 54.34L}, {1987, 54.90L}, {1989, 55.80L}, {1991, 56.90L},
        {1992, 58.30L}, {1999, 58.60L}, {2009, 67.0L},  {std::numeric_limits<int>::max(), 80.0L},
    }};
    const int jahr = JahrVon(mjd);
    for (const Zeile& z : tabelle)
        if (jahr <= z.bisJahr)
            return z.sekunden;
    return 80.0L;
}

void DeltaTKorrektur(Extended& mjd)
{
    mjd += DeltaTSekunden(mjd) / 86400;
}

}  // namespace lunoria
