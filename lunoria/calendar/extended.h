// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once

#include <cmath>
#include <limits>

namespace lunoria {

// Every extended-precision quantity (MJD, hours, Julian centuries): 80-bit on x86-64.
using Extended = long double;

// Days since 30 December 1899, 0 h (= MJD - 15018).
using TDateTime = double;

// Whole-number parts of extended values by plain arithmetic. On the x87, std::trunc,
// std::floor and every conversion of a long double to an integer switch the FPU's rounding
// mode there and back, which stalls it; std::nearbyint even saves and restores the whole
// floating-point environment. Adding 2^(p-1) (p = bits of the significand) to a smaller
// magnitude and taking it away again leaves the nearest whole number instead (ties to even, the
// rounding mode the program runs in), and a comparison with the argument turns that into the
// truncated or floored value. The results are those of the library functions, the sign of a
// zero included.

constexpr Extended ZweiHoch(int n)
{
    Extended r = 1;
    for (int i = 0; i < n; ++i)
        r *= 2;
    return r;
}

// 2^(p-1): from this magnitude on every value is whole.
inline constexpr Extended GanzzahlSchwelle = ZweiHoch(std::numeric_limits<Extended>::digits - 1);

// Nearest whole number, ties to even (std::nearbyint in the default rounding mode).
inline Extended RundeNaechste(Extended x)
{
    if (!(std::fabs(x) < GanzzahlSchwelle))  // whole already, infinite or NaN
        return x;
    const Extended r = x >= 0 ? (x + GanzzahlSchwelle) - GanzzahlSchwelle : (x - GanzzahlSchwelle) + GanzzahlSchwelle;
    return r == 0 ? std::copysign(r, x) : r;
}

// Whole part toward zero (std::trunc).
inline Extended Abschneiden(Extended x)
{
    Extended r = RundeNaechste(x);
    if (x > 0 && r > x)
        r -= 1;
    else if (x < 0 && r < x)
        r += 1;
    return r == 0 ? std::copysign(r, x) : r;
}

// Largest whole number not above x (std::floor).
inline Extended Abrunden(Extended x)
{
    Extended r = RundeNaechste(x);
    if (r > x)
        r -= 1;
    return r;
}

// A whole value of magnitude below 2^63 as a 64-bit integer. Up to 2^53 it passes through
// double, which holds it exactly and converts to an integer without a change of the rounding
// mode.
inline long long GanzzahlAus(Extended ganz)
{
    constexpr Extended grenzeDouble = 9007199254740992.0L;  // 2^53
    if (std::fabs(ganz) <= grenzeDouble)
        return static_cast<long long>(static_cast<double>(ganz));
    return static_cast<long long>(ganz);
}

}  // namespace lunoria
