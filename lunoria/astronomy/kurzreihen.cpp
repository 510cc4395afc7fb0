// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "kurzreihen.h"

#include <cmath>

#include "calendar/julian.h"
#include "genau.h"
#include "kreisfunktionen.h"

namespace lunoria {

namespace {

constexpr Extended RadZuStunden = 7.639437268410976L;  // 24 / pi: twice the half angle, in hours

// Declination (degrees) and right ascension (hours) of a unit vector (x, y, z) with
// rho = sqrt(1 - z^2) = sqrt(x^2 + y^2). The right ascension uses the half-angle form
// 2 atan(y / (x + rho)); x + rho is 0 only on the negative x axis, where it is 12 h.
TAequatorKurz Kugel(Extended x, Extended y, Extended z, Extended rho)
{
    TAequatorKurz a;
    a.Deklination = rho > 0 ? ArcusTangens(z / rho) * RadZuGrad : (z < 0 ? -90 : 90);
    const Extended nenner = x + rho;
    a.Rektaszension = nenner != 0 ? RadZuStunden * ArcusTangens(y / nenner) : 12;
    if (a.Rektaszension < 0)
        a.Rektaszension += 24;
    return a;
}

// max(0, x), as std::fmax takes it (0 for NaN), without the library call.
Extended Nichtnegativ(Extended x)
{
    return x > 0 ? x : 0;
}

// The angle of a phasor less that of b: a product with the conjugate, exact for the unit
// phasors here (a quotient would divide by |b|^2).
TPhasor Minus(const TPhasor& a, const TPhasor& b)
{
    return a * std::conj(b);
}

}  // namespace

TAequatorKurz SonneKurz(Extended t)
{
    const Extended m = PI2 * Frac(0.993133L + 99.997361L * t);
    const TPhasor wm = Phasor(m);
    const Extended dl = 6893 * wm.imag() + 72 * (wm * wm).imag();  // arc seconds
    const Extended l = PI2 * Frac(0.7859453L + m / PI2 + (6191.2L * t + dl) / 1296000);
    // Obliquity fixed at its J2000 value: cos eps = 0.91748, sin eps = 0.39778.
    const TPhasor wl = Phasor(l);
    const Extended z = 0.39778L * wl.imag();
    const Extended rho = std::sqrt(Nichtnegativ(1 - z * z));
    return Kugel(wl.real(), 0.91748L * wl.imag(), z, rho);
}

TAequatorKurz MondKurz(Extended t)
{
    const Extended l0 = Frac(0.606433L + 1336.855225L * t);  // mean longitude, revolutions
    const Extended l = PI2 * Frac(0.374897L + 1325.55241L * t);
    const Extended ls = PI2 * Frac(0.993133L + 99.997361L * t);
    const Extended d = PI2 * Frac(0.827361L + 1236.853086L * t);
    const Extended f = PI2 * Frac(0.259086L + 1342.227825L * t);

    // The sines of the combined arguments come from the sine and cosine of the four arguments
    // by the addition theorems: four sine-cosine pairs instead of some thirty sines, which is
    // what makes 25 evaluations per rise and set search cheap.
    const TPhasor wl = Phasor(l), wls = Phasor(ls), wd = Phasor(d), wf = Phasor(f);
    const TPhasor w2l = wl * wl, w2d = wd * wd, w2f = wf * wf;
    const TPhasor wl2d = Minus(wl, w2d);    // l - 2D
    const TPhasor wls2d = Minus(wls, w2d);  // l' - 2D
    const TPhasor wh = Minus(wf, w2d);      // H = F - 2D

    const Extended dl = 22640 * wl.imag() - 4586 * wl2d.imag() + 2370 * w2d.imag() + 769 * w2l.imag() -
                        668 * wls.imag() - 412 * w2f.imag() - 212 * Minus(w2l, w2d).imag() - 206 * (wl2d * wls).imag() +
                        192 * (wl * w2d).imag() - 165 * wls2d.imag() - 125 * wd.imag() - 110 * (wl * wls).imag() +
                        148 * Minus(wl, wls).imag() - 55 * Minus(w2f, w2d).imag();
    const Extended s = f + (dl + 412 * w2f.imag() + 541 * wls.imag()) / 206264.8062L;
    const Extended n = -526 * wh.imag() + 44 * (wl * wh).imag() - 31 * Minus(wh, wl).imag() - 23 * (wls * wh).imag() +
                       11 * Minus(wh, wls).imag() - 25 * Minus(wf, w2l).imag() + 21 * Minus(wf, wl).imag();

    const Extended lm = PI2 * Frac(l0 + dl / 1296000);
    const Extended bm = (18520 * Sinus(s) + n) / 206264.8062L;

    const TPhasor wb = Phasor(bm), wlm = Phasor(lm);
    const Extended z = 0.39778L * wb.real() * wlm.imag() + 0.91748L * wb.imag();
    const Extended y = 0.91748L * wb.real() * wlm.imag() - 0.39778L * wb.imag();
    const Extended x = wb.real() * wlm.real();
    const Extended rho = std::sqrt(Nichtnegativ(1 - z * z));
    return Kugel(x, y, z, rho);
}

Extended OrtsSternzeit(Extended mjd, Extended laenge)
{
    const Extended mjd0 = Abschneiden(mjd);
    const Extended ut = (mjd - mjd0) * 24;
    const Extended t0 = JHdAusMJD(mjd0);
    const Extended gmst = 6.697374558L + 1.0027379093L * ut +
                          (8640184.812866L + (0.093104L - 6.2e-6L * t0) * t0) * t0 / 3600;
    return 24 * Frac((gmst - laenge / 15) / 24);
}

}  // namespace lunoria
