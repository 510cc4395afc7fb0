// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Accurate geocentric positions of sun and moon after O. Montenbruck and T. Pfleger, Astronomy
// on the Personal Computer (solar theory with planetary perturbations; lunar theory after Brown
// with its solar perturbation series), their conversion to equatorial coordinates of date, and
// the lit fraction of the moon with the phase-angle formulas of J. Meeus, Astronomical
// Algorithms.
//
// Time argument everywhere: T = Julian centuries since J2000.0, (MJD - 51544.5) / 36525; no
// distinction between dynamical and universal time. Valid a few centuries around 2000; far
// outside the series are evaluated without a check.

#include "calendar/extended.h"

namespace lunoria {

// Fractional part in [0, 1): x - trunc(x), plus 1 when that is negative.
inline Extended Frac(Extended x)
{
    Extended f = x - Abschneiden(x);
    if (f < 0)
        f += 1;
    if (f >= 1)  // -1e-30 + 1 rounds to 1
        f = 0;
    return f;
}
// Sine of an angle given in revolutions.
Extended SRev(Extended x);
// Quadrant-correct arc tangent of y/x in degrees, -180 ... 180; 0 for x = y = 0.
Extended ATN2(Extended y, Extended x);
// Arc cosine in degrees, 0 ... 180. Arguments beyond [-1, 1] (rounding of a cosine formula)
// are taken as -1 or 1.
Extended ACS(Extended x);

// Spherical ecliptic or equatorial coordinates: two angles in degrees and a distance.
struct TKugelKoord {
    Extended Laenge = 0;   // longitude or right ascension, degrees 0 ... 360
    Extended Breite = 0;   // latitude or declination, degrees
    Extended Abstand = 0;  // AU for the sun, Earth radii for the moon
};

// Geocentric ecliptic coordinates of the sun of date: L (degrees 0 ... 360), B (degrees),
// R (astronomical units). Checked at T = 0: L = 280.377, R = 0.98333.
TKugelKoord SonneGenau(Extended t);
// Its longitude L alone, the same value at a little more than half the cost.
Extended SonneGenauLaenge(Extended t);
// The same longitude with the periodic terms summed in double precision: within 1e-12 degrees
// of SonneGenauLaenge for |T| up to some 2000 centuries, at about half its cost again. For
// searches that only need to know on which side of a value the longitude stands, with a margin.
Extended SonneGenauLaengeSchnell(Extended t);

// The solar longitude of SonneGenau from the Earth's own elliptic terms and the secular part
// alone, without the planets, the Moon and the long-period terms, in degrees 0 ... 360. It
// differs from SonneGenau's by at most SonneKeplerAbweichung (on the circle) at any T, since the
// terms left out carry no power of T: a cheap stand-in for searches. rate, where given, takes
// the rate of this longitude in degrees per Julian century.
Extended SonneKeplerLaenge(Extended t, Extended* rate = nullptr);
// The sum of the amplitudes of the terms that SonneKeplerLaenge leaves out, in degrees (about
// 0.018).
Extended SonneKeplerAbweichung();

// Bounds of the rate of SonneGenau's longitude for all |T| <= tBetrag, in degrees per day: the
// mean motion less and plus the largest rates that all its terms can add up to (0.951 and 1.020
// at T = 0, around the mean 0.9856). Min stays positive, so that the longitude only grows, up
// to |T| of about 1650 centuries.
struct TLaengenRate {
    Extended Min = 0;
    Extended Max = 0;
};
TLaengenRate SonneGenauRate(Extended tBetrag);

// Geocentric ecliptic coordinates of the moon of date: lambda (degrees 0 ... 360), beta
// (degrees), distance in Earth radii. Checked at T = 0: 223.319, 5.171, 63.10.
TKugelKoord MondGenau(Extended t);

// Ecliptic (of date) to geocentric equatorial coordinates of date with nutation: right
// ascension 0 ... 360 degrees, declination in degrees, distance unchanged in unit.
TKugelKoord Aequatorial(const TKugelKoord& ekliptik, Extended t);

struct TMondBeleuchtung {
    Extended Prozent = 0;     // lit fraction of the disc, 0 ... 100
    bool Zunehmend = false;   // waxing: moon 0 ... 180 degrees east of the sun in ecliptic longitude
    Extended Bildwinkel = 0;  // parallactic angle of the moon in degrees, -180 ... 180
};

// Lit fraction of the moon for a place (breite in degrees north, laenge in degrees positive
// WEST of Greenwich) at the instant mjd.
TMondBeleuchtung MondBeleuchtung(Extended breite, Extended laenge, Extended mjd);

// Light time of the sun, 8.32 minutes, in Julian centuries.
inline constexpr Extended SonnenLichtzeitJHd = 1.581869343676325e-7L;

}  // namespace lunoria
