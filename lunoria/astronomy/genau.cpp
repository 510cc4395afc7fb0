// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "genau.h"

#include <array>
#include <cmath>

#include "calendar/julian.h"
#include "koeffizienten.h"
#include "kreisfunktionen.h"
#include "kurzreihen.h"

namespace lunoria {

namespace {

Extended SinG(Extended g)
{
    return Sinus(g * GradZuRad);
}
Extended CosG(Extended g)
{
    return Kosinus(g * GradZuRad);
}

// ---- sun ----------------------------------------------------------------------------------

// One planetary perturbation term of the sun: multiples J of the Earth's and K of the planet's
// mean anomaly, power N of T (N > 0 rows reuse the argument of the row before them);
// dL and dB in arc seconds, dR in 1e-6 AU, on the cosine (c) and sine (s) part.
template <typename R>
struct TSonnenTermIn {
    int J, K, N;
    R DLc, DLs, DRc, DRs, DBc, DBs;
};
using TSonnenTerm = TSonnenTermIn<Extended>;

constexpr std::array<TSonnenTerm, 23> VenusTerme = {{
    {1, 0, 0, -0.22L, 6892.76L, -16707.37L, -0.54L, 0, 0},
    {1, 0, 1, -0.06L, -17.35L, 42.04L, -0.15L, 0, 0},
    {1, 0, 2, -0.01L, -0.05L, 0.13L, -0.02L, 0, 0},
    {2, 0, 0, 0, 71.98L, -139.57L, 0, 0, 0},
    {2, 0, 1, 0, -0.36L, 0.70L, 0, 0, 0},
    {3, 0, 0, 0, 1.04L, -1.75L, 0, 0, 0},
    {0, -1, 0, 0.03L, -0.07L, -0.16L, -0.07L, 0.02L, -0.02L},
    {1, -1, 0, 2.35L, -4.23L, -4.75L, -2.64L, 0, 0},
    {1, -2, 0, -0.10L, 0.06L, 0.12L, 0.20L, 0.02L, 0},
    {2, -1, 0, -0.06L, -0.03L, 0.20L, -0.01L, 0.01L, -0.09L},
    {2, -2, 0, -4.70L, 2.90L, 8.28L, 13.42L, 0.01L, -0.01L},
    {3, -2, 0, 1.80L, -1.74L, -1.44L, -1.57L, 0.04L, -0.06L},
    {3, -3, 0, -0.67L, 0.03L, 0.11L, 2.43L, 0.01L, 0},
    {4, -2, 0, 0.03L, -0.03L, 0.10L, 0.09L, 0.01L, -0.01L},
    {4, -3, 0, 1.51L, -0.40L, -0.88L, -3.36L, 0.18L, -0.10L},
    {4, -4, 0, -0.19L, -0.09L, -0.38L, 0.77L, 0, 0},
    {5, -3, 0, 0.76L, -0.68L, 0.30L, 0.37L, 0.01L, 0},
    {5, -4, 0, -0.14L, -0.04L, -0.11L, 0.43L, -0.03L, 0},
    {5, -5, 0, -0.05L, -0.07L, -0.31L, 0.21L, 0, 0},
    {6, -4, 0, 0.15L, -0.04L, -0.06L, -0.21L, 0.01L, 0},
    {6, -5, 0, -0.03L, -0.03L, -0.09L, 0.09L, -0.01L, 0},
    {6, -6, 0, 0, -0.04L, -0.18L, 0.02L, 0, 0},
    {7, -5, 0, -0.12L, -0.03L, -0.08L, 0.31L, -0.02L, -0.01L},
}};

constexpr std::array<TSonnenTerm, 13> MarsTerme = {{
    {1, -1, 0, -0.22L, 0.17L, -0.21L, -0.27L, 0, 0},
    {1, -2, 0, -1.66L, 0.62L, 0.16L, 0.28L, 0, 0},
    {2, -2, 0, 1.96L, 0.57L, -1.32L, 4.55L, 0, 0.01L},
    {2, -3, 0, 0.40L, 0.15L, -0.17L, 0.46L, 0, 0},
    {2, -4, 0, 0.53L, 0.26L, 0.09L, -0.22L, 0, 0},
    {3, -3, 0, 0.05L, 0.12L, -0.35L, 0.15L, 0, 0},
    {3, -4, 0, -0.13L, -0.48L, 1.06L, -0.29L, 0.01L, 0},
    {3, -5, 0, -0.04L, -0.20L, 0.20L, -0.04L, 0, 0},
    {4, -4, 0, 0, -0.03L, 0.10L, 0.04L, 0, 0},
    {4, -5, 0, 0.05L, -0.07L, 0.20L, 0.14L, 0, 0},
    {4, -6, 0, -0.10L, 0.11L, -0.23L, -0.22L, 0, 0},
    {5, -7, 0, -0.05L, 0, 0.01L, -0.14L, 0, 0},
    {5, -8, 0, 0.05L, 0.01L, -0.02L, 0.10L, 0, 0},
}};

constexpr std::array<TSonnenTerm, 12> JupiterTerme = {{
    {-1, -1, 0, 0.01L, 0.07L, 0.18L, -0.02L, 0, -0.02L},
    {0, -1, 0, -0.31L, 2.58L, 0.52L, 0.34L, 0.02L, 0},
    {1, -1, 0, -7.21L, -0.06L, 0.13L, -16.27L, 0, -0.02L},
    {1, -2, 0, -0.54L, -1.52L, 3.09L, -1.12L, 0.01L, -0.17L},
    {1, -3, 0, -0.03L, -0.21L, 0.38L, -0.06L, 0, -0.02L},
    {2, -1, 0, -0.16L, 0.05L, -0.18L, -0.31L, 0.01L, 0},
    {2, -2, 0, 0.14L, -2.73L, 9.23L, 0.48L, 0, 0},
    {2, -3, 0, 0.07L, -0.55L, 1.83L, 0.25L, 0.01L, 0},
    {2, -4, 0, 0.02L, -0.08L, 0.25L, 0.06L, 0, 0},
    {3, -2, 0, 0.01L, -0.07L, 0.16L, 0.04L, 0, 0},
    {3, -3, 0, -0.16L, -0.03L, 0.08L, -0.64L, 0, 0},
    {3, -4, 0, -0.04L, -0.01L, 0.03L, -0.17L, 0, 0},
}};

constexpr std::array<TSonnenTerm, 4> SaturnTerme = {{
    {0, -1, 0, 0, 0.32L, 0.01L, 0, 0, 0},
    {1, -1, 0, -0.08L, -0.41L, 0.97L, -0.18L, 0, -0.01L},
    {1, -2, 0, 0.04L, 0.10L, -0.23L, 0.10L, 0, 0},
    {2, -2, 0, 0.04L, 0.10L, -0.35L, 0.13L, 0, 0},
}};

// Mean anomalies of the planets in revolutions, A + B * T.
struct TMittlereAnomalie {
    Extended A, B;
};
constexpr TMittlereAnomalie AnomalieVenus{0.1387306L, 162.5485917L};
constexpr TMittlereAnomalie AnomalieErde{0.9931266L, 99.9973604L};
constexpr TMittlereAnomalie AnomalieMars{0.0543250L, 53.1666028L};
constexpr TMittlereAnomalie AnomalieJupiter{0.0551750L, 8.4293972L};
constexpr TMittlereAnomalie AnomalieSaturn{0.8816500L, 3.3938722L};

// Long-period terms of the solar longitude: coefficient (arc seconds), argument in revolutions.
struct TLangperiodisch {
    Extended C, A, B;
};
constexpr std::array<TLangperiodisch, 4> LangperiodischeTerme = {{
    {6.40L, 0.6983L, 0.0561L},
    {1.87L, 0.5764L, 0.4174L},
    {0.27L, 0.4189L, 0.3306L},
    {0.20L, 0.3581L, 2.4814L},
}};

// The amplitudes of the Moon's five terms in the solar longitude together, arc seconds.
constexpr Extended MondTermeBetrag = 6.45L + 0.42L + 0.18L + 0.17L + 0.06L;

// The secular part of the solar longitude, 0.7859453 + M3 / 2 pi + ((6191.2 + 1.1 T) T + dl) /
// 1296000 revolutions, as degrees 0 ... 360.
Extended SonnenLaengeGrad(Extended m3, Extended t, Extended dl)
{
    return 360 * Frac(0.7859453L + m3 / PI2 + ((6191.2L + 1.1L * t) * t + dl) / 1296000);
}

// Multiples j = -1 ... 7 of the Earth's mean anomaly, stored at j + 1.
template <typename R>
using TErdPhasorenIn = std::array<TPhasorIn<R>, 9>;

// The planetary tables with their coefficients in the number type R (the same values rounded
// to double for the quick longitude of the season search).
template <typename R, std::size_t N>
constexpr std::array<TSonnenTermIn<R>, N> TafelIn(const std::array<TSonnenTerm, N>& tafel)
{
    std::array<TSonnenTermIn<R>, N> t{};
    for (std::size_t i = 0; i < N; ++i) {
        const TSonnenTerm& z = tafel[i];
        t[i] = {z.J,
                z.K,
                z.N,
                static_cast<R>(z.DLc),
                static_cast<R>(z.DLs),
                static_cast<R>(z.DRc),
                static_cast<R>(z.DRs),
                static_cast<R>(z.DBc),
                static_cast<R>(z.DBs)};
    }
    return t;
}
template <typename R>
struct TSonnenTafeln {
    static constexpr auto Venus = TafelIn<R>(VenusTerme);
    static constexpr auto Mars = TafelIn<R>(MarsTerme);
    static constexpr auto Jupiter = TafelIn<R>(JupiterTerme);
    static constexpr auto Saturn = TafelIn<R>(SaturnTerme);
};

// Adds the terms of one planet with mean anomaly mp (radians); its multiples 0 ... -kMax are
// stored at index -k. NurLaenge: dl alone, dr and db stay untouched.
template <bool NurLaenge, typename R, std::size_t N, std::size_t KMax>
void PlanetenStoerung(const std::array<TSonnenTermIn<R>, N>& terme, const TErdPhasorenIn<R>& erde, Extended mp, R t,
                      R& dl, R& dr, R& db)
{
    std::array<TPhasorIn<R>, KMax + 1> planet{};
    planet[0] = {1, 0};
    planet[1] = std::conj(Phasor<R>(mp));
    for (std::size_t i = 2; i <= KMax; ++i)
        planet[i] = planet[i - 1] * planet[1];

    R u = 0, v = 0;
    for (const TSonnenTermIn<R>& term : terme) {
        if (term.N == 0) {
            const TPhasorIn<R> p = erde[static_cast<std::size_t>(term.J + 1)] *
                                   planet[static_cast<std::size_t>(-term.K)];
            u = p.real();
            v = p.imag();
        } else {
            u *= t;
            v *= t;
        }
        dl += term.DLc * u + term.DLs * v;
        if constexpr (!NurLaenge) {
            dr += term.DRc * u + term.DRs * v;
            db += term.DBc * u + term.DBs * v;
        }
    }
}

// ---- moon ---------------------------------------------------------------------------------

constexpr Extended ARC = 206264.81L;  // arc seconds per radian, as the lunar theory uses it

// Phasors of multiples -max ... max of one argument, the factor entering to the power |m|.
template <int Max>
struct TReihe {
    std::array<TPhasor, 2 * Max + 1> p{};

    void Init(Extended arg, Extended faktor)
    {
        at(0) = {1, 0};
        Extended s, c;
        SinusKosinus(arg, s, c);
        at(1) = {faktor * c, faktor * s};
        for (int m = 2; m <= Max; ++m)
            at(m) = at(m - 1) * at(1);
        for (int m = 1; m <= Max; ++m)
            at(-m) = std::conj(at(m));
    }
    TPhasor& at(int m) { return p[static_cast<std::size_t>(m + Max)]; }
    const TPhasor& at(int m) const { return p[static_cast<std::size_t>(m + Max)]; }
};

struct TMondArgumente {
    TReihe<4> l;   // Moon's mean anomaly
    TReihe<3> ls;  // Sun's mean anomaly
    TReihe<4> f;   // argument of latitude
    TReihe<6> d;   // mean elongation

    // Product over the four tables, skipping zero multiples: (cos part, sin part).
    TPhasor Term(int p, int q, int r, int s) const
    {
        TPhasor x{1, 0};
        if (p != 0)
            x = x * l.at(p);
        if (q != 0)
            x = x * ls.at(q);
        if (r != 0)
            x = x * f.at(r);
        if (s != 0)
            x = x * d.at(s);
        return x;
    }
};

// Rows (p, q, r, s, coefficient) of the latitude term N, on the sine part.
struct TNTerm {
    int P, Q, R, S;
    Extended C;
};
constexpr std::array<TNTerm, 10> NTerme = {{
    {0, 0, 1, -2, -526.069L},
    {0, 0, 1, -4, -3.352L},
    {1, 0, 1, -2, 44.297L},
    {1, 0, 1, -4, -6.0L},
    {-1, 0, 1, 0, 20.599L},
    {-1, 0, 1, -2, -30.598L},
    {-2, 0, 1, 0, -24.649L},
    {-2, 0, 1, -2, -2.0L},
    {0, 1, 1, -2, -22.571L},
    {0, -1, 1, -2, 10.985L},
}};

// Planetary terms of the lunar longitude: coefficient (arc seconds), argument in revolutions.
struct TRevTerm {
    Extended C, A, B;
};
constexpr std::array<TRevTerm, 11> PlanetenMond = {{
    {0.82L, 0.7736L, -62.5512L},
    {0.31L, 0.0466L, -125.1025L},
    {0.35L, 0.5785L, -25.1042L},
    {0.66L, 0.4591L, 1335.8075L},
    {0.64L, 0.3130L, -91.5680L},
    {1.14L, 0.1480L, 1331.2898L},
    {0.21L, 0.5918L, 1056.5859L},
    {0.44L, 0.5784L, 1322.8595L},
    {0.24L, 0.2275L, -5.7374L},
    {0.28L, 0.2965L, 2.6929L},
    {0.33L, 0.3132L, 6.3368L},
}};

}  // namespace

Extended SRev(Extended x)
{
    return Sinus(PI2 * Frac(x));
}

Extended ATN2(Extended y, Extended x)
{
    const Extended ax = std::fabs(x);
    const Extended ay = std::fabs(y);
    if (ax == 0 && ay == 0)
        return 0;
    Extended phi;
    if (ay >= ax)
        phi = 90 - ArcusTangens(ax / ay) / GradZuRad;
    else
        phi = ArcusTangens(ay / ax) / GradZuRad;
    if (x < 0)
        phi = 180 - phi;
    if (y < 0)
        phi = -phi;
    return phi;
}

Extended ACS(Extended x)
{
    if (x > 1)
        x = 1;
    else if (x < -1)
        x = -1;
    if (std::fabs(x) == 1)
        return 90 - 90 * x;
    if (std::fabs(x) <= 1e-7L)
        return 90 - x * (180 / std::numbers::pi_v<Extended>);
    return 90 - ArcusTangens(x / std::sqrt((1 - x) * (1 + x))) / GradZuRad;
}

namespace {

// SonneGenau; NurLaenge: the longitude alone (the same value), distance and latitude 0. The
// periodic terms are summed in the number type R: Extended for SonneGenau, double for the quick
// longitude (the arguments stay in Extended either way).
template <bool NurLaenge, typename R = Extended>
TKugelKoord SonnenReihe(Extended t)
{
    // Mean anomalies of Venus, Earth, Mars, Jupiter, Saturn and the lunar arguments (radians).
    const Extended m2 = PI2 * Frac(AnomalieVenus.A + AnomalieVenus.B * t);
    const Extended m3 = PI2 * Frac(AnomalieErde.A + AnomalieErde.B * t);
    const Extended m4 = PI2 * Frac(AnomalieMars.A + AnomalieMars.B * t);
    const Extended m5 = PI2 * Frac(AnomalieJupiter.A + AnomalieJupiter.B * t);
    const Extended m6 = PI2 * Frac(AnomalieSaturn.A + AnomalieSaturn.B * t);
    const Extended d = PI2 * Frac(0.8274L + 1236.8531L * t);
    const Extended a = PI2 * Frac(0.3749L + 1325.5524L * t);

    using P = TPhasorIn<R>;
    TErdPhasorenIn<R> erde{};
    erde[1] = {1, 0};
    erde[2] = Phasor<R>(m3);
    erde[0] = std::conj(erde[2]);
    for (std::size_t j = 3; j < erde.size(); ++j)
        erde[j] = erde[j - 1] * erde[2];

    using Tafeln = TSonnenTafeln<R>;
    const R tr = static_cast<R>(t);
    R dl = 0, dr = 0, db = 0;
    PlanetenStoerung<NurLaenge, R, 23, 6>(Tafeln::Venus, erde, m2, tr, dl, dr, db);
    PlanetenStoerung<NurLaenge, R, 13, 8>(Tafeln::Mars, erde, m4, tr, dl, dr, db);
    PlanetenStoerung<NurLaenge, R, 12, 4>(Tafeln::Jupiter, erde, m5, tr, dl, dr, db);
    PlanetenStoerung<NurLaenge, R, 4, 2>(Tafeln::Saturn, erde, m6, tr, dl, dr, db);

    // The Moon's pull on the Earth; the combined arguments by the addition theorems from the
    // phasors of D, A and M3.
    const P pd = Phasor<R>(d);
    const P pa = Phasor<R>(a);
    const P& pm3 = erde[2];
    const P dMinusA = pd * std::conj(pa);
    const P dPlusA = pd * pa;
    const P dMinusM3 = pd * std::conj(pm3);
    const P dPlusM3 = pd * pm3;
    dl += R(6.45L) * pd.imag() - R(0.42L) * dMinusA.imag() + R(0.18L) * dPlusA.imag() + R(0.17L) * dMinusM3.imag() -
          R(0.06L) * dPlusM3.imag();
    if constexpr (!NurLaenge) {
        dr += 30.76L * pd.real() - 3.06L * dMinusA.real() + 0.85L * dPlusA.real() - 0.58L * dPlusM3.real() +
              0.57L * dMinusM3.real();
        const Extended u = PI2 * Frac(0.2591L + 1342.2278L * t);
        db += 0.576L * Sinus(u);
    }

    // Long-period terms, summed on their own before they join dl.
    R lang = 0;
    for (const TLangperiodisch& z : LangperiodischeTerme)
        lang += static_cast<R>(z.C) * static_cast<R>(Sinus(PI2 * (z.A + z.B * t)));
    dl += lang;

    TKugelKoord k;
    k.Laenge = SonnenLaengeGrad(m3, t, static_cast<Extended>(dl));
    if constexpr (!NurLaenge) {
        k.Abstand = 1.0001398L - 0.0000007L * t + dr * 1e-6L;
        k.Breite = db / 3600;
    }
    return k;
}

}  // namespace

TKugelKoord SonneGenau(Extended t)
{
    return SonnenReihe<false>(t);
}

Extended SonneGenauLaenge(Extended t)
{
    return SonnenReihe<true>(t).Laenge;
}

Extended SonneGenauLaengeSchnell(Extended t)
{
    return SonnenReihe<true, double>(t).Laenge;
}

Extended SonneKeplerLaenge(Extended t, Extended* rate)
{
    // Only the multiples of M3 up to the largest one of the elliptic rows are needed.
    constexpr std::size_t jMax = [] {
        int j = 0;
        for (const TSonnenTerm& term : VenusTerme)
            if (term.K == 0 && term.J > j)
                j = term.J;
        return static_cast<std::size_t>(j);
    }();
    // Summed in double precision: the value serves searches with margins far above 1e-12
    // degrees.
    const Extended m3 = PI2 * Frac(AnomalieErde.A + AnomalieErde.B * t);
    TErdPhasorenIn<double> erde{};
    erde[1] = {1, 0};
    erde[2] = Phasor<double>(m3);
    erde[0] = std::conj(erde[2]);
    for (std::size_t j = 3; j <= jMax + 1; ++j)
        erde[j] = erde[j - 1] * erde[2];
    // The rows of the Venus table without Venus's anomaly are the Earth's own elliptic terms.
    // With the rate: d/dT of T^n (c cos jM + s sin jM) = n T^(n-1) (c cos jM + s sin jM)
    // + T^n j M' (s cos jM - c sin jM).
    const double td = static_cast<double>(t);
    const double mStrich = static_cast<double>(PI2 * AnomalieErde.B);  // radians per century
    double dl = 0, u = 0, v = 0;
    double dlStrich = 0, tn = 1, tn1 = 0;  // T^n and n T^(n-1)
    for (const TSonnenTermIn<double>& term : TSonnenTafeln<double>::Venus) {
        if (term.K != 0)
            continue;
        const TPhasorIn<double>& e = erde[static_cast<std::size_t>(term.J + 1)];
        if (term.N == 0) {
            u = e.real();
            v = e.imag();
            tn = 1;
            tn1 = 0;
        } else {
            u *= td;
            v *= td;
            tn1 = tn1 * td + tn;
            tn *= td;
        }
        dl += term.DLc * u + term.DLs * v;
        if (rate)
            dlStrich += tn * term.J * mStrich * (term.DLs * e.real() - term.DLc * e.imag()) +
                        tn1 * (term.DLc * e.real() + term.DLs * e.imag());
    }
    if (rate)
        *rate = 360 * (AnomalieErde.B + (6191.2L + 2.2L * t + dlStrich) / 1296000);
    return SonnenLaengeGrad(m3, t, dl);
}

Extended SonneKeplerAbweichung()
{
    static const Extended abweichung = [] {
        // The planetary rows with a planet's anomaly carry no power of T; |u|, |v| <= 1.
        Extended summe = 0;  // arc seconds
        const auto planet = [&](const auto& terme) {
            for (const TSonnenTerm& term : terme)
                if (term.K != 0)
                    summe += std::fabs(term.DLc) + std::fabs(term.DLs);
        };
        planet(VenusTerme);
        planet(MarsTerme);
        planet(JupiterTerme);
        planet(SaturnTerme);
        summe += MondTermeBetrag;
        for (const TLangperiodisch& z : LangperiodischeTerme)
            summe += std::fabs(z.C);
        return summe / 3600;
    }();
    return abweichung;
}

TLaengenRate SonneGenauRate(Extended tBetrag)
{
    // |d/dT (T^n (c cos w + s sin w))| <= (|c| + |s|) (|w'| |T|^n + n |T|^(n-1)) for an
    // argument w = j M3 + k Mp with the rate w' in radians per century.
    Extended schranke = 0;  // arc seconds per century
    const auto planet = [&](const auto& terme, const TMittlereAnomalie& anomalie) {
        for (const TSonnenTerm& term : terme) {
            const Extended w = PI2 * std::fabs(term.J * AnomalieErde.B + term.K * anomalie.B);
            Extended tn = 1, tn1 = 0;  // |T|^n and n |T|^(n-1)
            for (int n = 0; n < term.N; ++n) {
                tn1 = tn1 * tBetrag + tn;
                tn *= tBetrag;
            }
            schranke += (std::fabs(term.DLc) + std::fabs(term.DLs)) * (w * tn + tn1);
        }
    };
    planet(VenusTerme, AnomalieVenus);
    planet(MarsTerme, AnomalieMars);
    planet(JupiterTerme, AnomalieJupiter);
    planet(SaturnTerme, AnomalieSaturn);
    // The Moon's terms, on arguments no faster than D + A.
    schranke += MondTermeBetrag * PI2 * (1236.8531L + 1325.5524L);
    for (const TLangperiodisch& z : LangperiodischeTerme)
        schranke += z.C * PI2 * std::fabs(z.B);

    // dL/dT in revolutions per century: the mean motion, the secular terms and the periodic ones.
    const Extended mittel = AnomalieErde.B + 6191.2L / 1296000;
    const Extended streuung = (2.2L * tBetrag + schranke) / 1296000;
    constexpr Extended gradProTagJeUmlaufProJhd = 360.0L / 36525;
    return {(mittel - streuung) * gradProTagJeUmlaufProJhd, (mittel + streuung) * gradProTagJeUmlaufProJhd};
}

TKugelKoord MondGenau(Extended t)
{
    const Extended t2 = t * t;

    // Long-period perturbations (arc seconds).
    const Extended s1 = SRev(0.19833L + 0.05611L * t);
    const Extended s2 = SRev(0.27869L + 0.04508L * t);
    const Extended s3 = SRev(0.16827L - 0.36903L * t);
    const Extended s4 = SRev(0.34734L - 5.37261L * t);
    const Extended s5 = SRev(0.10498L - 5.37899L * t);
    const Extended s6 = SRev(0.42681L - 0.41855L * t);
    const Extended s7 = SRev(0.14943L - 5.37511L * t);
    const Extended dL0 = 0.84L * s1 + 0.31L * s2 + 14.27L * s3 + 7.26L * s4 + 0.28L * s5 + 0.24L * s6;
    const Extended dl = 2.94L * s1 + 0.31L * s2 + 14.27L * s3 + 9.34L * s4 + 1.12L * s5 + 0.83L * s6;
    const Extended dls = -6.40L * s1 - 1.89L * s6;
    const Extended dF = 0.21L * s1 + 0.31L * s2 + 14.27L * s3 - 88.70L * s4 - 15.30L * s5 + 0.24L * s6 - 1.86L * s7;
    const Extended dD = dL0 - dls;
    const Extended dGam = -3.332e-6L * SRev(0.59734L - 5.37261L * t) - 5.39e-7L * SRev(0.35498L - 5.37899L * t) -
                          6.4e-8L * SRev(0.39943L - 5.37511L * t);

    Extended dLam = 0, dS = 0, gam1c = 0;
    Extended sinPi = 3422.7L;

    // Mean arguments (radians).
    const Extended l0 = PI2 * Frac(0.60643382L + 1336.85522467L * t - 0.00000313L * t2) + dL0 / ARC;
    const Extended l = PI2 * Frac(0.37489701L + 1325.55240982L * t + 0.00002565L * t2) + dl / ARC;
    const Extended ls = PI2 * Frac(0.99312619L + 99.99735956L * t - 0.00000044L * t2) + dls / ARC;
    const Extended f = PI2 * Frac(0.25909118L + 1342.2278298L * t - 0.00000892L * t2) + dF / ARC;
    const Extended d = PI2 * Frac(0.82736186L + 1236.85308708L * t - 0.00000397L * t2) + dD / ARC;

    TMondArgumente arg;
    arg.l.Init(l, 1.000002208L);
    arg.ls.Init(ls, 0.997504612L - 0.002495388L * t);
    arg.f.Init(f, 1.000002708L + 139.978L * dGam);
    arg.d.Init(d, 1);

    // Solar perturbation series.
    for (const TStoerTerm& z : MondStoerTerme) {
        const TPhasor x = arg.Term(z.P, z.Q, z.R, z.S);
        dLam += z.CLambda * x.imag();
        dS += z.CS * x.imag();
        gam1c += z.CGamma * x.real();
        sinPi += z.CPi * x.real();
    }

    // Latitude term.
    Extended n = 0;
    for (const TNTerm& z : NTerme)
        n += z.C * arg.Term(z.P, z.Q, z.R, z.S).imag();

    // Planetary perturbations of the longitude.
    for (const TRevTerm& z : PlanetenMond)
        dLam += z.C * SRev(z.A + z.B * t);

    TKugelKoord k;
    k.Laenge = 360 * Frac((l0 + dLam / ARC) / PI2);
    const Extended s = f + dS / ARC;
    const Extended fac = 1.000002708L + 139.978L * dGam;
    k.Breite = (fac * (18519.7L + gam1c) * Sinus(s) - 6.24L * Sinus(3 * s) + n) / 3600;
    sinPi *= 0.999953253L;
    k.Abstand = ARC / sinPi;
    return k;
}

TKugelKoord Aequatorial(const TKugelKoord& ekl, Extended t)
{
    // Cartesian ecliptic coordinates.
    const Extended cb = CosG(ekl.Breite);
    const Extended x = ekl.Abstand * cb * CosG(ekl.Laenge);
    const Extended y = ekl.Abstand * cb * SinG(ekl.Laenge);
    const Extended z = ekl.Abstand * SinG(ekl.Breite);

    // Rotation by the obliquity of the ecliptic of date.
    const Extended eps = 23.43929111L - (46.815L + (0.00059L - 0.001813L * t) * t) * t / 3600;
    const Extended ce = CosG(eps), se = SinG(eps);
    const Extended y1 = ce * y - se * z;
    const Extended z1 = se * y + ce * z;

    // Nutation in longitude and obliquity (mean equator to true equator of date).
    constexpr Extended pi2 = 6.283185307L;
    auto bruch = [](Extended v) { return v - Abschneiden(v); };
    const Extended nls = pi2 * bruch(0.993133L + 99.997306L * t);
    const Extended nd = pi2 * bruch(0.827362L + 1236.853087L * t);
    const Extended nf = pi2 * bruch(0.259089L + 1342.227826L * t);
    const Extended nn = pi2 * bruch(0.347346L - 5.372447L * t);
    const Extended eps0 = 0.4090928L - 2.2696e-4L * t;
    const Extended dpsi = (-17.2L * Sinus(nn) - 1.319L * Sinus(2 * (nf - nd + nn)) - 0.227L * Sinus(2 * (nf + nn)) +
                           0.206L * Sinus(2 * nn) + 0.143L * Sinus(nls)) /
                          206264.8062L;
    const Extended deps = (9.203L * Kosinus(nn) + 0.574L * Kosinus(2 * (nf - nd + nn)) +
                           0.098L * Kosinus(2 * (nf + nn)) - 0.090L * Kosinus(2 * nn)) /
                          206264.8062L;
    const Extended c = dpsi * Kosinus(eps0);
    const Extended s = dpsi * Sinus(eps0);
    const Extended x2 = x - (c * y1 + s * z1);
    const Extended y2 = y1 + c * x - deps * z1;
    const Extended z2 = z1 + s * x + deps * y1;

    TKugelKoord q;
    const Extended rho = std::sqrt(x2 * x2 + y2 * y2);
    q.Abstand = std::sqrt(x2 * x2 + y2 * y2 + z2 * z2);
    q.Laenge = ATN2(y2, x2);
    if (q.Laenge < 0)
        q.Laenge += 360;
    if (q.Laenge >= 360)
        q.Laenge -= 360;
    q.Breite = ATN2(z2, rho);
    return q;
}

TMondBeleuchtung MondBeleuchtung(Extended breite, Extended laenge, Extended mjd)
{
    const Extended t = JHdAusMJD(mjd);

    // The sun where it was when its light left it; both bodies referred to the equator of the
    // instant of observation.
    const TKugelKoord sonneEkliptik = SonneGenau(t - SonnenLichtzeitJHd);
    const TKugelKoord mondEkliptik = MondGenau(t);
    const TKugelKoord sonne = Aequatorial(sonneEkliptik, t);
    const TKugelKoord mond = Aequatorial(mondEkliptik, t);

    const Extended ds = sonne.Breite, dm = mond.Breite;
    const Extended da = sonne.Laenge - mond.Laenge;

    // Elongation and phase angle (distances in kilometres).
    const Extended psi = ACS(SinG(ds) * SinG(dm) + CosG(ds) * CosG(dm) * CosG(da));
    const Extended rSonne = sonne.Abstand * 149597870;
    const Extended rMond = mond.Abstand * 6378.14L;
    const Extended i = ATN2(rSonne * SinG(psi), rMond - rSonne * CosG(psi));

    TMondBeleuchtung b;
    b.Prozent = 100 * (1 + CosG(i)) / 2;

    // Waxing while the moon stands 0 to 180 degrees east of the sun in ecliptic longitude, so
    // that the flag turns exactly at new and full moon (which are defined in longitude). The
    // position angle of the bright limb would turn at opposition in right ascension instead,
    // which can lie hours away from the phase.
    Extended elongation = std::fmod(mondEkliptik.Laenge - sonneEkliptik.Laenge, 360.0L);
    if (elongation < 0)
        elongation += 360;
    b.Zunehmend = elongation < 180;

    // Parallactic angle from the local hour angle of the moon.
    const Extended h = 15 * OrtsSternzeit(mjd, laenge) - mond.Laenge;
    b.Bildwinkel = ATN2(SinG(h), CosG(dm) * Tangens(breite * GradZuRad) - SinG(dm) * CosG(h));
    return b;
}

}  // namespace lunoria
