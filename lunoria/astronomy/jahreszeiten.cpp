// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "jahreszeiten.h"

#include "calendar/zonenregel.h"

#include <cmath>
#include <limits>

#include "calendar/julian.h"
#include "genau.h"

namespace lunoria {

namespace {

struct TJahreszeitStart {
    Extended Ziel;  // target longitude, degrees
    int Monat;      // the search starts at 0 h of the 17th of this month
};

constexpr std::array<TJahreszeitStart, 4> Starts = {{
    {0, 3},
    {90, 6},
    {180, 9},
    {270, 12},
}};

constexpr int StartTag = 17;
constexpr Extended Stunde = 1.0L / 24;
constexpr Extended Minute = 1.0L / 1440;

// JahreszeitenLaenge keeps its values in -75 ... 285; it jumps from the top to the bottom.
constexpr Extended LaengeUnten = -75;
constexpr Extended LaengeOben = 285;

// How far (days) from the start day the longitude's rate bounds are taken to hold; the
// searches of the supported years stay within some 50 days of it.
constexpr Extended Fenster = 120;

// Larger than the rounding noise of the longitudes by far (below 1e-9 degrees where the
// longitude only grows, below 1e-10 degrees between the precise and the elliptic longitude at
// any T): a value this far from a boundary has its side for certain.
constexpr Extended Rauschen = 1e-6L;

// Outcome of comparing the longitude at an instant with the target.
enum class TSeite { kleiner, gleich, groesser, ungeordnet };

TSeite SeiteVon(Extended laenge, Extended ziel)
{
    if (laenge < ziel)
        return TSeite::kleiner;
    if (laenge > ziel)
        return TSeite::groesser;
    if (laenge == ziel)
        return TSeite::gleich;
    return TSeite::ungeordnet;
}

// The difference of two longitudes in degrees, -180 ... 180.
Extended Winkelabstand(Extended a, Extended b)
{
    Extended d = a - b;
    if (std::fabs(d) >= 540)
        d = std::fmod(d, 360.0L);
    if (d >= 180)
        d -= 360;
    else if (d < -180)
        d += 360;
    return d;
}

Extended KeplerLaenge(Extended mjd)
{
    return SonneKeplerLaenge(JHdAusMJD(mjd) - SonnenLichtzeitJHd);
}

// JahreszeitenLaenge from a longitude 0 ... 360.
Extended InDenSuchbereich(Extended l)
{
    return l >= LaengeOben ? l - 360 : l;
}

// Distance of two longitudes on the circle, degrees 0 ... 180.
Extended KreisAbstand(Extended a, Extended b)
{
    return std::fabs(Winkelabstand(a, b));
}

// The comparisons of one season's search. Every question "where does the longitude stand at
// c against the target" gets the answer that evaluating the series at c would give, but most
// are answered without evaluating it:
// - where the longitude only grows (a positive lower bound of its rate over the search), every
//   instant before one known to lie below the target lies below it too, and every instant after
//   one known to lie above it lies above, as long as no wrap from 285 to -75 degrees comes
//   between them (which the upper rate bound rules out up to some distance);
// - the longitude of the elliptic terms alone (some ten times cheaper) is within
//   SonneKeplerAbweichung of the precise one: where it stands farther than that from the
//   target and from the wrap, the precise one stands on the same side.
// A question that neither settles is answered by the series.
class TLaengenFragen {
public:
    // The rate bounds hold within Fenster days of mitte.
    TLaengenFragen(Extended ziel, Extended mitte, bool monoton, Extended rateMax)
        : m_Ziel(ziel),
          m_Von(mitte - Fenster),
          m_Bis(mitte + Fenster),
          m_Monoton(monoton),
          m_RateMax(rateMax),
          m_KeplerRand(SonneKeplerAbweichung() + Rauschen)
    {
    }

    TSeite Frage(Extended c)
    {
        // Most questions fall within the instants known below or above the target.
        if (c >= m_KleinerVon && c <= m_KleinerBis)
            return TSeite::kleiner;
        if (c >= m_GroesserVon && c <= m_GroesserBis)
            return TSeite::groesser;
        // The searches ask again for the instant they asked for last or the one before.
        for (const TAntwort& a : m_Antworten)
            if (a.Belegt && a.C == c)
                return a.Seite;
        const TSeite s = Beantworten(c);
        m_Antworten[1] = m_Antworten[0];
        m_Antworten[0] = {c, s, true};
        return s;
    }

    // Evaluates the series at c in double precision (its difference from the extended
    // evaluation lies far within Rauschen) and keeps what the value tells.
    Extended Vorauswerten(Extended c)
    {
        const Extended t = JHdAusMJD(c);
        const Extended l = InDenSuchbereich(SonneGenauLaengeSchnell(t - SonnenLichtzeitJHd));
        Merken(c, l);
        return l;
    }

private:
    // Keeps what the longitude l at c tells about the instants around c.
    void Merken(Extended c, Extended l)
    {
        if (m_Monoton && c >= m_Von && c <= m_Bis) {
            if (l < m_Ziel - Rauschen && c > m_KleinerBis) {
                m_KleinerBis = c;
                m_KleinerVon = std::fmax(m_Von, c - (l - LaengeUnten - Rauschen) / m_RateMax);
            }
            if (l > m_Ziel + Rauschen && c < m_GroesserVon) {
                m_GroesserVon = c;
                m_GroesserBis = std::fmin(m_Bis, c + (LaengeOben - Rauschen - l) / m_RateMax);
            }
        }
    }

    // The series at c as the season search compares it, kept as above.
    Extended Auswerten(Extended c)
    {
        const Extended l = JahreszeitenLaenge(c);
        Merken(c, l);
        return l;
    }

    TSeite Beantworten(Extended c)
    {
        const Extended k = KeplerLaenge(c);
        if (std::isfinite(k) && KreisAbstand(k, m_Ziel) > m_KeplerRand && KreisAbstand(k, LaengeOben) > m_KeplerRand)
            return SeiteVon(InDenSuchbereich(k), m_Ziel);
        return SeiteVon(Auswerten(c), m_Ziel);
    }

    struct TAntwort {
        Extended C = 0;
        TSeite Seite = TSeite::ungeordnet;
        bool Belegt = false;
    };
    static constexpr Extended Unendlich = std::numeric_limits<Extended>::infinity();
    Extended m_Ziel;
    Extended m_Von, m_Bis;  // where the rate bounds hold
    bool m_Monoton;
    Extended m_RateMax;
    Extended m_KeplerRand;  // the elliptic longitude decides beyond this distance
    // Instants known to lie below the target (up to the latest one evaluated below it) and above
    // it (from the earliest one evaluated above it); empty at first.
    Extended m_KleinerVon = Unendlich, m_KleinerBis = -Unendlich;
    Extended m_GroesserVon = Unendlich, m_GroesserBis = -Unendlich;
    std::array<TAntwort, 2> m_Antworten{};  // the last two answers, the latest first
};

// The instant near c0 at which the longitude of the Earth's elliptic terms alone reaches the
// target (Newton's method), and that longitude's rate there in degrees per day. It lies within
// some 0.02 days of the precise crossing.
Extended KeplerDurchgang(Extended ziel, Extended c0, Extended& rate)
{
    Extended x = c0;
    for (int i = 0; i < 8; ++i) {
        Extended rateJhd = 0;
        const Extended l = SonneKeplerLaenge(JHdAusMJD(x) - SonnenLichtzeitJHd, &rateJhd);
        rate = rateJhd / 36525;
        if (!(rate > 0))
            break;
        const Extended schritt = Winkelabstand(l, ziel) / rate;
        x -= schritt;
        if (std::fabs(schritt) < 1e-4L)
            break;
    }
    return x;
}

// The first instant on the minute grid from 0 h of the start day at which the longitude
// exceeds the target, found by whole days, then hours, then minutes. With the questions
// answered by TLaengenFragen the steps are those of plain evaluation, value for value.
Extended Suche(TLaengenFragen& fragen, Extended c)
{
    // In Julian-calendar years from about 600 to 1582 the seasons begin before the 17th;
    // step back whole days first so that the search starts below the target. For the
    // years where the start day already lies below it this changes nothing.
    for (int tage = 0; tage < 400 && fragen.Frage(c) == TSeite::groesser; ++tage)
        c -= 1;
    // Whole days while the longitude stays at or below the target, then back one day and
    // whole hours the same way, then back one hour and minutes until it is exceeded.
    const auto kleiner = [&](Extended x) { return fragen.Frage(x) == TSeite::kleiner; };
    const auto hoechstens = [&](Extended x) {
        const TSeite s = fragen.Frage(x);
        return s == TSeite::kleiner || s == TSeite::gleich;
    };
    while (kleiner(c)) {
        c += 1;
        if (hoechstens(c))
            continue;
        c -= 1;
        while (kleiner(c)) {
            c += Stunde;
            if (hoechstens(c))
                continue;
            c -= Stunde;
            while (hoechstens(c))
                c += Minute;
        }
    }
    return c;
}

TJahreszeiten Berechnet(int jahr)
{
    // The rate bounds of the longitude within the windows around the four start days.
    const Extended t1 = std::fabs(JHdAusMJD(MJDAusDatum(StartTag, Starts.front().Monat, jahr, 0)));
    const Extended t2 = std::fabs(JHdAusMJD(MJDAusDatum(StartTag, Starts.back().Monat, jahr, 0)));
    const TLaengenRate grenzen = SonneGenauRate(std::fmax(t1, t2) + Fenster / 36525 + 1e-3L);
    const bool monoton = grenzen.Min > 0;

    TJahreszeiten ergebnis{};
    for (std::size_t i = 0; i < Starts.size(); ++i) {
        const Extended g = Starts[i].Ziel;
        const Extended start = MJDAusDatum(StartTag, Starts[i].Monat, jahr, 0);
        TLaengenFragen fragen(g, start, monoton, grenzen.Max);

        if (monoton) {
            // A first guess from the elliptic terms alone, one Newton step on the precise
            // longitude from it, then two instants just either side of the crossing, so that
            // the questions of the search find both sides known. The margin is a few times
            // the error left after the step.
            Extended rate = 0;
            const Extended schaetzung = KeplerDurchgang(g, start, rate);
            if (std::isfinite(schaetzung) && rate > 0) {
                const Extended abstand = Winkelabstand(fragen.Vorauswerten(schaetzung), g);
                const Extended x = schaetzung - abstand / rate;
                const Extended rand = std::fmax(std::fabs(abstand / rate) * 4e-3L, 2e-6L);
                fragen.Vorauswerten(x - rand);
                fragen.Vorauswerten(x + rand);
            }
        }
        ergebnis[i] = Suche(fragen, start);
    }
    return ergebnis;
}

// The years computed before, one slot for each year number modulo the size: some 40 KB that
// keep every year of five centuries once it has been asked for.
struct TJahrEintrag {
    int Jahr = 0;
    bool Belegt = false;
    TJahreszeiten Zeiten{};
};
thread_local std::array<TJahrEintrag, 512> JahrSpeicher{};

}  // namespace

Extended JahreszeitenLaenge(Extended mjd)
{
    const Extended t = JHdAusMJD(mjd);
    const Extended l = SonneGenauLaenge(t - SonnenLichtzeitJHd);
    return l >= LaengeOben ? l - 360 : l;
}

TJahreszeiten JahreszeitenBerechnen(int jahr)
{
    return Berechnet(jahr);
}

TJahreszeiten Jahreszeiten(int jahr)
{
    TJahrEintrag& e = JahrSpeicher[static_cast<std::size_t>(jahr) % JahrSpeicher.size()];
    if (!e.Belegt || e.Jahr != jahr) {
        e.Zeiten = Berechnet(jahr);
        e.Jahr = jahr;
        e.Belegt = true;
    }
    return e.Zeiten;
}

TJahreszeiten JahreszeitenLokal(int jahr, const TSommerzeitInfoRec& rec, std::array<long, 4>* offsets)
{
    TJahreszeiten zeiten = Jahreszeiten(jahr);
    for (std::size_t i = 0; i < zeiten.size(); ++i) {
        Extended& t = zeiten[i];
        // The series run in dynamical time, which is ahead of universal time by Delta T; the
        // offset in force at the instant gives the local clock, to the minute, so that an
        // instant at 23:59:40 reads 00:00 of the next day.
        const Extended u = t - DeltaTSekunden(t) / 86400;
        const TTZifTyp zeit = ZonenZeitAm(rec.Basis, u);
        t = std::round((u + static_cast<Extended>(zeit.Offset) / 3600 / 24) * 1440) / 1440;
        if (offsets)
            (*offsets)[i] = zeit.Offset;
    }
    return zeiten;
}

}  // namespace lunoria
