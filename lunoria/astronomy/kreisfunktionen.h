// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Sine, cosine, tangent and arc tangent of extended-precision arguments, evaluated in double
// precision.
//
// The series carry their arguments in extended precision, but the C library's extended sine
// and cosine reduce every argument beyond pi/4 by a multi-precision method and cost some
// twenty times a double sine. The argument is therefore reduced here by whole turns in
// extended precision (2 pi split into three parts, so that the reduction itself loses nothing
// worth counting) and the reduced angle, at most pi in magnitude, goes to the double
// functions. The result is then within about 2e-16 of the exact value, where the values that
// the series add up are used to a few 1e-14 at most: rise and set minutes, percentages and
// season minutes come out as with the extended functions.

#include <cmath>
#include <complex>
#include <numbers>

#include "calendar/extended.h"

namespace lunoria {

inline constexpr Extended GradZuRad = std::numbers::pi_v<Extended> / 180;
// 2 pi as the series were fitted with (to double precision), and the degrees of a radian
// likewise: both stay as the series' authors used them.
inline constexpr Extended PI2 = 6.283185307179586L;
inline constexpr Extended RadZuGrad = 57.29577951308232L;

namespace kreis {

// 2 pi = P1 + P2 + P3: P1 has 32 significant bits and P2 30, so that n * P1 and n * P2 are
// exact for |n| < 2^31 and the differences in ReduziertesArgument lose nothing.
inline constexpr Extended P1 = 0x1.921fb544p+2L;
inline constexpr Extended P2 = 0x1.0b4611a8p-32L;
inline constexpr Extended P3 = -1.00331152253366640471146541607e-19L;
inline constexpr Extended EinsDurchZweiPi = 0.159154943091895335768883763373L;
// Beyond this many turns n * P1 would no longer be exact.
inline constexpr Extended GrenzeReduktion = 2147483647.0L * P1;

// The angle x less the nearest whole number of turns, -pi ... pi, for |x| < GrenzeReduktion.
inline Extended ReduziertesArgument(Extended x)
{
    const Extended betrag = std::fabs(x);
    if (betrag <= 3.14L)
        return x;
    if (betrag <= 9.42L)  // one turn, the common case: n = +-1 below
        return x > 0 ? ((x - P1) - P2) - P3 : ((x + P1) + P2) + P3;
    const Extended n = RundeNaechste(x * EinsDurchZweiPi);
    return ((x - n * P1) - n * P2) - n * P3;
}

// Whether the double functions may take x after the reduction: a finite angle within the range
// of the three-part reduction. Others (NaN, infinity, angles of billions of turns) keep the
// extended functions.
inline bool Reduzierbar(Extended x)
{
    return std::fabs(x) < GrenzeReduktion;
}

}  // namespace kreis

inline Extended Sinus(Extended x)
{
    if (!kreis::Reduzierbar(x))
        return std::sin(x);
    return std::sin(static_cast<double>(kreis::ReduziertesArgument(x)));
}

inline Extended Kosinus(Extended x)
{
    if (!kreis::Reduzierbar(x))
        return std::cos(x);
    return std::cos(static_cast<double>(kreis::ReduziertesArgument(x)));
}

inline void SinusKosinus(Extended x, Extended& s, Extended& c)
{
    if (!kreis::Reduzierbar(x)) {
        s = std::sin(x);
        c = std::cos(x);
        return;
    }
    double sd, cd;
    ::sincos(static_cast<double>(kreis::ReduziertesArgument(x)), &sd, &cd);
    s = sd;
    c = cd;
}

// Cosine (real part) and sine (imaginary part) of one angle, possibly scaled, in the number
// type R of a sum: products add the angles, std::conj negates one.
template <typename R>
using TPhasorIn = std::complex<R>;
using TPhasor = TPhasorIn<Extended>;

// The phasor of the angle x (radians), evaluated as SinusKosinus does.
template <typename R = Extended>
TPhasorIn<R> Phasor(Extended x)
{
    Extended s, c;
    SinusKosinus(x, s, c);
    return {static_cast<R>(c), static_cast<R>(s)};
}

inline Extended Tangens(Extended x)
{
    if (!kreis::Reduzierbar(x))
        return std::tan(x);
    return std::tan(static_cast<double>(kreis::ReduziertesArgument(x)));
}

// Arc tangent in radians, -pi/2 ... pi/2. A quotient beyond the double range gives +-pi/2 as
// the extended function does; one below it gives 0 where the extended one gives the quotient.
inline Extended ArcusTangens(Extended x)
{
    return std::atan(static_cast<double>(x));
}

}  // namespace lunoria
