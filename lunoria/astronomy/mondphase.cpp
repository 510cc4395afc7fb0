// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "mondphase.h"

#include <array>
#include <cmath>
#include <limits>

#include "calendar/julian.h"
#include "koeffizienten.h"
#include "kreisfunktionen.h"

namespace lunoria {

namespace {

Extended SinGrad(Extended grad)
{
    return Sinus(grad * GradZuRad);
}

TPhasor WinkelGrad(Extended grad)
{
    return Phasor(grad * GradZuRad);
}

// Multiples -4 ... 4 of one angle.
struct TVielfache {
    std::array<TPhasor, 9> w{};
    explicit TVielfache(Extended grad)
    {
        w[4] = {1, 0};
        w[5] = WinkelGrad(grad);
        for (std::size_t i = 6; i < 9; ++i)
            w[i] = w[i - 1] * w[5];
        for (std::size_t i = 0; i < 4; ++i)
            w[i] = std::conj(w[8 - i]);
    }
    // Multiples beyond the table do not occur in the published series; they count as 0.
    const TPhasor& operator[](int n) const { return w[static_cast<std::size_t>(n >= -4 && n <= 4 ? n + 4 : 4)]; }
};

// Sum of a 25-term correction series. The sine of each combined argument is formed from the
// multiples of M, M', F and Omega by the addition theorems: four sine-cosine pairs instead of
// 25 sines of large arguments.
Extended Reihe(const std::array<TPhasenTerm, 25>& terme, Extended e, const TVielfache& m, const TVielfache& ms,
               const TVielfache& f, const TVielfache& om)
{
    Extended summe = 0;
    for (const TPhasenTerm& t : terme) {
        Extended faktor = t.Koeffizient;
        for (int i = 0; i < t.EPotenz; ++i)
            faktor *= e;
        summe += faktor * (m[t.M] * ms[t.MStrich] * f[t.F] * om[t.Omega]).imag();
    }
    return summe;
}

// Planetary arguments A1 ... A14: constant and rate per lunation (degrees), coefficient (days).
struct TPlanetenTerm {
    Extended Grad, ProLunation, Koeffizient;
};
constexpr std::array<TPlanetenTerm, 14> PlanetenTerme = {{
    {299.77L, 0.107408L, 0.000325L},  // A1 also carries -0.009173 T^2
    {251.88L, 0.016321L, 0.000165L},
    {251.83L, 26.651886L, 0.000164L},
    {349.42L, 36.412478L, 0.000126L},
    {84.66L, 18.206239L, 0.000110L},
    {141.74L, 53.303771L, 0.000062L},
    {207.14L, 2.453732L, 0.000060L},
    {154.84L, 7.306860L, 0.000056L},
    {34.52L, 27.261239L, 0.000047L},
    {207.19L, 0.121824L, 0.000042L},
    {291.34L, 1.844379L, 0.000040L},
    {161.72L, 24.198154L, 0.000037L},
    {239.56L, 25.513099L, 0.000035L},
    {331.55L, 3.592518L, 0.000023L},
}};

}  // namespace

TMondPhase MondPhaseZeit(Extended k, Extended t, Extended t2, Extended t3, Extended t4)
{
    TMondPhase ergebnis;
    if (!std::isfinite(k)) {
        ergebnis.MJD = std::numeric_limits<Extended>::quiet_NaN();
        ergebnis.Typ = -1;
        return ergebnis;
    }
    const Extended bruch = k - Abschneiden(k);  // sign of k
    if (bruch == 0)
        ergebnis.Typ = mpNeumond;
    else if (bruch == 0.25L || bruch == -0.75L)
        ergebnis.Typ = mpErstesViertel;
    else if (bruch == 0.5L || bruch == -0.5L)
        ergebnis.Typ = mpVollmond;
    else if (bruch == 0.75L || bruch == -0.25L)
        ergebnis.Typ = mpLetztesViertel;
    else {
        ergebnis.MJD = std::numeric_limits<Extended>::quiet_NaN();
        ergebnis.Typ = -1;
        return ergebnis;
    }

    // Mean phase (Julian Ephemeris Day) and the fundamental arguments in degrees, unreduced.
    Extended jde = 2451550.09765L + 29.530588853L * k + 0.0001337L * t2 - 0.00000015L * t3 + 0.00000000073L * t4;
    const Extended e = 1 - 0.002516L * t - 0.0000074L * t2;
    const Extended m = 2.5534L + 29.10535669L * k - 0.0000218L * t2 - 0.00000011L * t3;
    const Extended ms = 201.5643L + 385.81693528L * k + 0.0107438L * t2 + 0.00001239L * t3 - 0.000000058L * t4;
    const Extended f = 160.7108L + 390.67050274L * k - 0.0016341L * t2 - 0.00000227L * t3 + 0.000000011L * t4;
    const Extended om = 124.7746L - 1.5637558L * k + 0.0020691L * t2 + 0.00000215L * t3;

    const TVielfache vm(m), vms(ms), vf(f), vom(om);
    switch (ergebnis.Typ) {
    case mpNeumond: jde += Reihe(NeumondTerme, e, vm, vms, vf, vom); break;
    case mpVollmond: jde += Reihe(VollmondTerme, e, vm, vms, vf, vom); break;
    default: {
        jde += Reihe(ViertelTerme, e, vm, vms, vf, vom);
        const Extended w = 0.00306L - 0.00038L * e * vm[1].real() + 0.00026L * vms[1].real() -
                           0.00002L * (vms[1] * vm[-1]).real() + 0.00002L * (vms[1] * vm[1]).real() +
                           0.00002L * vf[2].real();
        jde += ergebnis.Typ == mpErstesViertel ? w : -w;
        break;
    }
    }

    // Corrections by the planets, common to all phases.
    for (std::size_t i = 0; i < PlanetenTerme.size(); ++i) {
        const TPlanetenTerm& p = PlanetenTerme[i];
        Extended a = p.Grad + p.ProLunation * k;
        if (i == 0)
            a -= 0.009173L * t2;
        jde += p.Koeffizient * SinGrad(a);
    }

    ergebnis.MJD = MJDAusJulDat(jde);
    return ergebnis;
}

}  // namespace lunoria
