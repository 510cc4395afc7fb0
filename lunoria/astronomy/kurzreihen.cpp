#include "kurzreihen.h"

#include <cmath>

#include "genau.h"
#include "kreisfunktionen.h"

namespace lunoria {

namespace {

constexpr Extended PI2 = 6.283185307179586L;
constexpr Extended RadZuGrad = 57.29577951308232L;
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

// Cosine and sine of an angle; products and quotients add and subtract angles.
struct TWinkel {
    Extended c = 1, s = 0;
    TWinkel() = default;
    explicit TWinkel(Extended rad) { SinusKosinus(rad, s, c); }
    TWinkel(Extended cosinus, Extended sinus) : c(cosinus), s(sinus) {}
    TWinkel operator*(const TWinkel& b) const { return {c * b.c - s * b.s, s * b.c + c * b.s}; }
    TWinkel operator/(const TWinkel& b) const { return {c * b.c + s * b.s, s * b.c - c * b.s}; }
};

}  // namespace

TAequatorKurz SonneKurz(Extended t)
{
    const Extended m = PI2 * Frac(0.993133L + 99.997361L * t);
    const TWinkel wm(m);
    const Extended dl = 6893 * wm.s + 72 * (wm * wm).s;  // arc seconds
    const Extended l = PI2 * Frac(0.7859453L + m / PI2 + (6191.2L * t + dl) / 1296000);
    // Obliquity fixed at its J2000 value: cos eps = 0.91748, sin eps = 0.39778.
    const TWinkel wl(l);
    const Extended z = 0.39778L * wl.s;
    const Extended rho = std::sqrt(Nichtnegativ(1 - z * z));
    return Kugel(wl.c, 0.91748L * wl.s, z, rho);
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
    const TWinkel wl(l), wls(ls), wd(d), wf(f);
    const TWinkel w2l = wl * wl, w2d = wd * wd, w2f = wf * wf;
    const TWinkel wl2d = wl / w2d;      // l - 2D
    const TWinkel wls2d = wls / w2d;    // l' - 2D
    const TWinkel wh = wf / w2d;        // H = F - 2D

    const Extended dl = 22640 * wl.s - 4586 * wl2d.s + 2370 * w2d.s + 769 * w2l.s - 668 * wls.s - 412 * w2f.s -
                        212 * (w2l / w2d).s - 206 * (wl2d * wls).s + 192 * (wl * w2d).s - 165 * wls2d.s -
                        125 * wd.s - 110 * (wl * wls).s + 148 * (wl / wls).s - 55 * (w2f / w2d).s;
    const Extended s = f + (dl + 412 * w2f.s + 541 * wls.s) / 206264.8062L;
    const Extended n = -526 * wh.s + 44 * (wl * wh).s - 31 * (wh / wl).s - 23 * (wls * wh).s + 11 * (wh / wls).s -
                       25 * (wf / w2l).s + 21 * (wf / wl).s;

    const Extended lm = PI2 * Frac(l0 + dl / 1296000);
    const Extended bm = (18520 * Sinus(s) + n) / 206264.8062L;

    const TWinkel wb(bm), wlm(lm);
    const Extended z = 0.39778L * wb.c * wlm.s + 0.91748L * wb.s;
    const Extended y = 0.91748L * wb.c * wlm.s - 0.39778L * wb.s;
    const Extended x = wb.c * wlm.c;
    const Extended rho = std::sqrt(Nichtnegativ(1 - z * z));
    return Kugel(x, y, z, rho);
}

Extended OrtsSternzeit(Extended mjd, Extended laenge)
{
    const Extended mjd0 = Abschneiden(mjd);
    const Extended ut = (mjd - mjd0) * 24;
    const Extended t0 = (mjd0 - 51544.5L) / 36525;
    const Extended gmst =
        6.697374558L + 1.0027379093L * ut + (8640184.812866L + (0.093104L - 6.2e-6L * t0) * t0) * t0 / 3600;
    return 24 * Frac((gmst - laenge / 15) / 24);
}

}  // namespace lunoria
