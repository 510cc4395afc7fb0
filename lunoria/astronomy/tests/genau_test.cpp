// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Precise solar and lunar series, the equatorial conversion and the lit fraction of the moon.
#include <cmath>

#include <gtest/gtest.h>

#include "astronomy/genau.h"
#include "astronomy/kreisfunktionen.h"
#include "astronomy/kurzreihen.h"
#include "astronomy/mondphase.h"
#include "calendar/julian.h"

namespace lunoria {
namespace {

double D(Extended x)
{
    return static_cast<double>(x);
}

TEST(Genau, SunAndMoonAtJ2000)
{
    const TKugelKoord s = SonneGenau(0);
    EXPECT_NEAR(D(s.Laenge), 280.377, 0.0005);
    EXPECT_NEAR(D(s.Abstand), 0.98333, 0.000005);
    EXPECT_NEAR(D(s.Breite), 0, 0.0003);
    const TKugelKoord m = MondGenau(0);
    EXPECT_NEAR(D(m.Laenge), 223.319, 0.0005);
    EXPECT_NEAR(D(m.Breite), 5.171, 0.0005);
    EXPECT_NEAR(D(m.Abstand), 63.10, 0.005);
}

TEST(Genau, HelperAngles)
{
    EXPECT_EQ(ATN2(0, 0), 0);
    EXPECT_EQ(ACS(1), 0);
    EXPECT_EQ(ACS(-1), 180);
    EXPECT_EQ(ACS(1 + 1e-15L), 0);  // a cosine that rounding put past 1
    EXPECT_EQ(ACS(-1 - 1e-15L), 180);
    constexpr double grad = 180 / M_PI;
    for (double y : {-3.0, -1.0, -0.2, 0.0, 0.5, 2.0})
        for (double x : {-2.0, -0.7, 0.0, 0.3, 4.0}) {
            if (x == 0 && y == 0)
                continue;
            EXPECT_NEAR(D(ATN2(y, x)), std::atan2(y, x) * grad, 1e-9) << y << ", " << x;
        }
    for (double x : {-0.99, -0.5, -1e-8, 0.0, 1e-8, 0.3, 0.999999})
        EXPECT_NEAR(D(ACS(x)), std::acos(x) * grad, 1e-7) << x;
    EXPECT_EQ(Frac(-0.25L), 0.75L);
    EXPECT_EQ(Frac(2.5L), 0.5L);
    EXPECT_GE(Frac(-1e-30L), 0);
    EXPECT_LT(Frac(-1e-30L), 1);
}

TEST(Genau, DoubleCircularFunctionsAgreeWithTheExtendedOnes)
{
    // Arguments up to half a billion turns: the reduction by whole turns must lose nothing.
    for (const Extended x : {0.0L, 1e-3L, -0.7L, 3.1L, 3.2L, -3.2L, 6.5L, 9.4L, 9.5L, -20.0L, 1000.25L, 123456.7L,
                             -4.9e8L, 1.3e10L, 3e10L}) {
        EXPECT_NEAR(D(Sinus(x)), D(std::sin(x)), 5e-16) << D(x);
        EXPECT_NEAR(D(Kosinus(x)), D(std::cos(x)), 5e-16) << D(x);
        Extended s, c;
        SinusKosinus(x, s, c);
        EXPECT_EQ(s, Sinus(x)) << D(x);
        EXPECT_EQ(c, Kosinus(x)) << D(x);
        EXPECT_NEAR(D(Tangens(x) * Kosinus(x)), D(Sinus(x)), 2e-15) << D(x);
    }
    for (const Extended x : {-1e30L, -3.0L, -1.0L, 0.0L, 0.25L, 1.0L, 7.0L, 1e30L})
        EXPECT_NEAR(D(ArcusTangens(x)), D(std::atan(x)), 3e-16) << D(x);
}

TEST(Genau, EquatorialConversionOfPointsOnTheEcliptic)
{
    // At J2000 the obliquity is 23.4393 degrees; nutation moves a point by under 0.006 degrees.
    const struct {
        Extended laenge, alpha, delta;
    } faelle[] = {
        {0, 0, 0},
        {90, 90, 23.4393L},
        {180, 180, 0},
        {270, 270, -23.4393L},
    };
    for (const auto& f : faelle) {
        const TKugelKoord q = Aequatorial({f.laenge, 0, 1}, 0);
        double da = D(q.Laenge - f.alpha);
        if (da > 180)
            da -= 360;
        EXPECT_NEAR(da, 0, 0.006) << D(f.laenge);
        EXPECT_NEAR(D(q.Breite), D(f.delta), 0.003) << D(f.laenge);
        EXPECT_NEAR(D(q.Abstand), 1, 1e-6);
    }
    // The ecliptic pole lies at right ascension 270 degrees, declination 90 - obliquity.
    const TKugelKoord pol = Aequatorial({0, 90, 1}, 0);
    EXPECT_NEAR(D(pol.Laenge), 270, 0.02);
    EXPECT_NEAR(D(pol.Breite), 90 - 23.4393, 0.003);
}

TEST(Genau, RightAscensionStaysInRangeAndAgreesWithTheShortSeries)
{
    // The short series are independent fits; they agree with the precise ones to a few arc
    // minutes, so a wrong coefficient or argument in either shows here.
    for (int i = 0; i < 400; ++i) {
        const Extended mjd = 51544.5L + i * 9.37L - 1500;
        const Extended t = (mjd - 51544.5L) / 36525;
        const TKugelKoord s = Aequatorial(SonneGenau(t), t);
        const TKugelKoord m = Aequatorial(MondGenau(t), t);
        for (const TKugelKoord* q : {&s, &m}) {
            EXPECT_GE(q->Laenge, 0);
            EXPECT_LT(q->Laenge, 360);
        }
        const TAequatorKurz sk = SonneKurz(t);
        const TAequatorKurz mk = MondKurz(t);
        auto differenz = [](Extended a, Extended b) {
            Extended d = std::fmod(a - b + 540, 360.0L) - 180;
            return std::fabs(D(d));
        };
        EXPECT_LT(differenz(s.Laenge, sk.Rektaszension * 15), 0.03) << D(mjd);
        EXPECT_LT(std::fabs(D(s.Breite - sk.Deklination)), 0.02) << D(mjd);
        EXPECT_LT(differenz(m.Laenge, mk.Rektaszension * 15), 0.2) << D(mjd);
        EXPECT_LT(std::fabs(D(m.Breite - mk.Deklination)), 0.1) << D(mjd);
    }
}

TEST(MondBeleuchtung, January2000AtTheDefaultPlace)
{
    const struct {
        Extended mjd;
        double prozent;
        bool zunehmend;
    } faelle[] = {
        {51549, 0.6, false},
        {51556, 33.7, true},
        {51564, 99.9, true},
        {51571, 53.4, false},
    };
    for (const auto& f : faelle) {
        const TMondBeleuchtung b = MondBeleuchtung(49.47L, -9.65L, f.mjd);
        EXPECT_NEAR(D(b.Prozent), f.prozent, 0.05) << D(f.mjd);
        EXPECT_EQ(b.Zunehmend, f.zunehmend) << D(f.mjd);
        EXPECT_GE(b.Bildwinkel, -180);
        EXPECT_LE(b.Bildwinkel, 180);
    }
}

TEST(MondBeleuchtung, WaxingFlagFlipsAtNewAndFullMoon)
{
    // Around each new and full moon of 2000 (instants from the phase series, accurate to well
    // under a minute). The flag follows the elongation in ecliptic longitude, which defines
    // the phases, so it turns within minutes of them (the position angle of the bright limb
    // would turn at conjunction in right ascension, up to hours away).
    for (Extended k = 0; k < 13; k += 0.5L) {
        const Extended t = k / 1236.85L;
        const TMondPhase p = MondPhaseZeit(k, t, t * t, t * t * t, t * t * t * t);
        const bool vorher = MondBeleuchtung(49.47L, -9.65L, p.MJD - 5.0L / 1440).Zunehmend;
        const bool nachher = MondBeleuchtung(49.47L, -9.65L, p.MJD + 5.0L / 1440).Zunehmend;
        if (p.Typ == mpNeumond) {
            EXPECT_FALSE(vorher) << D(k);
            EXPECT_TRUE(nachher) << D(k);
        } else {
            EXPECT_TRUE(vorher) << D(k);
            EXPECT_FALSE(nachher) << D(k);
        }
    }
}

}  // namespace
}  // namespace lunoria
