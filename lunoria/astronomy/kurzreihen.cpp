#include "kurzreihen.h"

#include <cmath>

#include "genau.h"

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
    a.Deklination = rho > 0 ? std::atan(z / rho) * RadZuGrad : (z < 0 ? -90 : 90);
    const Extended nenner = x + rho;
    a.Rektaszension = nenner != 0 ? RadZuStunden * std::atan(y / nenner) : 12;
    if (a.Rektaszension < 0)
        a.Rektaszension += 24;
    return a;
}

}  // namespace

TAequatorKurz SonneKurz(Extended t)
{
    const Extended m = PI2 * Frac(0.993133L + 99.997361L * t);
    const Extended dl = 6893 * std::sin(m) + 72 * std::sin(2 * m);  // arc seconds
    const Extended l = PI2 * Frac(0.7859453L + m / PI2 + (6191.2L * t + dl) / 1296000);
    // Obliquity fixed at its J2000 value: cos eps = 0.91748, sin eps = 0.39778.
    const Extended sl = std::sin(l);
    const Extended z = 0.39778L * sl;
    const Extended rho = std::sqrt(std::fmax(0.0L, 1 - z * z));
    return Kugel(std::cos(l), 0.91748L * sl, z, rho);
}

TAequatorKurz MondKurz(Extended t)
{
    const Extended l0 = Frac(0.606433L + 1336.855225L * t);  // mean longitude, revolutions
    const Extended l = PI2 * Frac(0.374897L + 1325.55241L * t);
    const Extended ls = PI2 * Frac(0.993133L + 99.997361L * t);
    const Extended d = PI2 * Frac(0.827361L + 1236.853086L * t);
    const Extended f = PI2 * Frac(0.259086L + 1342.227825L * t);

    const Extended dl = 22640 * std::sin(l) - 4586 * std::sin(l - 2 * d) + 2370 * std::sin(2 * d) +
                        769 * std::sin(2 * l) - 668 * std::sin(ls) - 412 * std::sin(2 * f) -
                        212 * std::sin(2 * l - 2 * d) - 206 * std::sin(l + ls - 2 * d) + 192 * std::sin(l + 2 * d) -
                        165 * std::sin(ls - 2 * d) - 125 * std::sin(d) - 110 * std::sin(l + ls) +
                        148 * std::sin(l - ls) - 55 * std::sin(2 * f - 2 * d);
    const Extended s = f + (dl + 412 * std::sin(2 * f) + 541 * std::sin(ls)) / 206264.8062L;
    const Extended h = f - 2 * d;
    const Extended n = -526 * std::sin(h) + 44 * std::sin(l + h) - 31 * std::sin(h - l) - 23 * std::sin(ls + h) +
                       11 * std::sin(h - ls) - 25 * std::sin(f - 2 * l) + 21 * std::sin(f - l);

    const Extended lm = PI2 * Frac(l0 + dl / 1296000);
    const Extended bm = (18520 * std::sin(s) + n) / 206264.8062L;

    const Extended cb = std::cos(bm), sb = std::sin(bm);
    const Extended z = 0.39778L * cb * std::sin(lm) + 0.91748L * sb;
    const Extended y = 0.91748L * cb * std::sin(lm) - 0.39778L * sb;
    const Extended x = cb * std::cos(lm);
    const Extended rho = std::sqrt(std::fmax(0.0L, 1 - z * z));
    return Kugel(x, y, z, rho);
}

Extended OrtsSternzeit(Extended mjd, Extended laenge)
{
    const Extended mjd0 = std::trunc(mjd);
    const Extended ut = (mjd - mjd0) * 24;
    const Extended t0 = (mjd0 - 51544.5L) / 36525;
    const Extended gmst =
        6.697374558L + 1.0027379093L * ut + (8640184.812866L + (0.093104L - 6.2e-6L * t0) * t0) * t0 / 3600;
    return 24 * Frac((gmst - laenge / 15) / 24);
}

}  // namespace lunoria
