// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Writes what the astronomy tab shows for every day of a range of years at one place, and the
// local season starts of each year, for comparison with an independent ephemeris
// (ephem_vergleich.py). The zone is the system zone of the environment (TZ); the time basis is
// kzbStandard, as lunoria-info uses it.
//
//   astronomy_vergleichsdaten BREITE LAENGE VONJAHR BISJAHR
//
// Lines: "T mjd zunehmend MondPhase" per day (mjd at 0 h, zunehmend 0 or 1), and
// "J jahr spring summer autumn winter" per year with the four local instants as MJD.
#include <cstdio>
#include <cstdlib>

#include "astronomy/jahreszeiten.h"
#include "astronomy/sonnemond.h"
#include "calendar/julian.h"
#include "calendar/regional.h"

int main(int argc, char* argv[])
{
    using namespace lunoria;
    if (argc != 5) {
        std::fprintf(stderr, "Aufruf: %s BREITE LAENGE VONJAHR BISJAHR\n", argv[0]);
        return 2;
    }
    SetzeRegionalQuelle([] { return DeutscheEinstellungen(); });
    const Extended breite = std::strtold(argv[1], nullptr);
    const Extended laenge = std::strtold(argv[2], nullptr);
    const int von = std::atoi(argv[3]);
    const int bis = std::atoi(argv[4]);

    TSonneMondAufUnter s(kzbStandard, breite, laenge);
    const Extended ende = MJDAusDatum(1, 1, bis + 1, 0);
    for (Extended t = MJDAusDatum(1, 1, von, 0); t < ende; t += 1) {
        s.Berechnen(t);
        std::printf("T %.0Lf %d %s\n", t, s.Zunehmend() ? 1 : 0, s.MondPhase().c_str());
    }
    for (int jahr = von; jahr <= bis; ++jahr) {
        const TJahreszeiten j = JahreszeitenLokal(jahr, SommerzeitInfo(kzbStandard, MJDAusDatum(1, 7, jahr, 0)));
        std::printf("J %d %.8Lf %.8Lf %.8Lf %.8Lf\n", jahr, j[0], j[1], j[2], j[3]);
    }
    return 0;
}
