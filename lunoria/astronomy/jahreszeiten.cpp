#include "jahreszeiten.h"

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

}  // namespace

Extended JahreszeitenLaenge(Extended mjd)
{
    const Extended t = (mjd - 51544.5L) / 36525;
    const Extended l = SonneGenau(t - SonnenLichtzeitJHd).Laenge;
    return l >= 285 ? l - 360 : l;
}

TJahreszeiten Jahreszeiten(int jahr)
{
    TJahreszeiten ergebnis{};
    for (std::size_t i = 0; i < Starts.size(); ++i) {
        const Extended g = Starts[i].Ziel;
        Extended c = MJDAusDatum(StartTag, Starts[i].Monat, jahr, 0);
        // In Julian-calendar years from about 600 to 1582 the seasons begin before the 17th;
        // step back whole days first so that the search starts below the target. For the
        // years where the start day already lies below it this changes nothing.
        for (int tage = 0; tage < 400 && JahreszeitenLaenge(c) > g; ++tage)
            c -= 1;
        // Whole days while the longitude stays at or below the target, then back one day and
        // whole hours the same way, then back one hour and minutes until it is exceeded.
        while (JahreszeitenLaenge(c) < g) {
            c += 1;
            if (JahreszeitenLaenge(c) <= g)
                continue;
            c -= 1;
            while (JahreszeitenLaenge(c) < g) {
                c += Stunde;
                if (JahreszeitenLaenge(c) <= g)
                    continue;
                c -= Stunde;
                while (JahreszeitenLaenge(c) <= g)
                    c += Minute;
            }
        }
        ergebnis[i] = c;
    }
    return ergebnis;
}

TJahreszeiten JahreszeitenLokal(int jahr, const TSommerzeitInfoRec& rec)
{
    TJahreszeiten zeiten = Jahreszeiten(jahr);
    for (Extended& t : zeiten) {
        const Extended offset = IstSommerzeit(rec, t) ? rec.SommerzeitOffset : rec.NormalzeitOffset;
        t = t + offset / 24;
        // The series run in dynamical time, which is ahead of the clock by Delta T.
        t -= DeltaTSekunden(t) / 86400;
    }
    return zeiten;
}

}  // namespace lunoria
