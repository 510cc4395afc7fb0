// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Date texts: what TextDatumZuMJD accepts is a whole day that MJDZuTextDatum and MJDZuISODatum
// write back to texts naming the same day; what it refuses gives today with error 4.

#include <string>

#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/zahlformat.h"
#include "eigenschaften.h"

namespace lunoria::fuzz {

namespace {

// Separators a regional setting may have: none of them is a digit or "-", which would read as
// part of a number.
constexpr const char* Trenner[] = {".", "/", " ", "\xC2\xB7"};
constexpr const char* Formate[] = {"dd.MM.yyyy", "MM/dd/yyyy", "yyyy-MM-dd"};

}  // namespace

std::string PruefeDatumstext(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse == 0)
        return {};
    TRegionaleEinstellungen e = DeutscheEinstellungen();
    e.KurzesDatumsformat = Formate[daten[0] % 3];
    e.DatumsTrenner = Trenner[(daten[0] / 3) % 4];
    TUmgebung umgebung(e);
    const std::string text(reinterpret_cast<const char*>(daten + 1), groesse - 1);

    int wert = 0;
    if (TextZuZahl(text, wert)) {
        int zurueck = 0;
        if (!TextZuZahl(Format("%d", wert), zurueck) || zurueck != wert)
            return "TextZuZahl: " + Format("%d", wert) + " does not read back";
    } else if (wert != -1) {
        return "TextZuZahl: a refused text leaves " + Format("%d", wert) + ", not -1";
    }

    int fehler = -1;
    const Extended mjd = TextDatumZuMJD(text, fehler);
    if (fehler == 4)
        return mjd == MJDHeute() ? std::string() : "TextDatumZuMJD: error 4 without today's MJD";
    if (fehler != 0)
        return "TextDatumZuMJD: error " + Format("%d", fehler);
    if (mjd != Abrunden(mjd))
        return "TextDatumZuMJD: not a whole day";

    int t, m, j;
    Extended h;
    const int vorher = umgebung.Meldungen;
    if (!Caldat(mjd, t, m, j, h)) {
        // Only years the calendar does not cover may fail to split.
        if (mjd >= MJDAusDatum(1, 1, MinJahrStandard, 0) && mjd <= MJDAusDatum(31, 12, MaxJahrStandard, 0))
            return "Caldat refuses a date of the supported years";
        if (umgebung.Meldungen != vorher + 1)
            return "Caldat refuses without its message";
        return MJDZuTextDatum(mjd) == TextDatumHeute() ? std::string()
                                                       : "MJDZuTextDatum: unsplittable MJD is not today's text";
    }
    if (!DatumGueltig(t, m, j) || h != 0 || MJDAusDatum(t, m, j, 0) != mjd)
        return "Caldat: the day read does not come back";

    const std::string geschrieben = MJDZuTextDatum(mjd);
    int fehler2 = -1;
    if (TextDatumZuMJD(geschrieben, fehler2) != mjd || fehler2 != 0)
        return "round trip: \"" + geschrieben + "\" does not read back";
    // The ISO form of the day reads back in every order of the settings.
    const std::string iso = MJDZuISODatum(mjd);
    if (TextDatumZuMJD(iso, fehler2) != mjd || fehler2 != 0)
        return "round trip: \"" + iso + "\" does not read back";
    if (MJDZuLangDatum(mjd).empty())
        return "MJDZuLangDatum: empty";

    // The text as a long date picture, quotes and all.
    e.LangesDatumsformat = text;
    umgebung.Einstellungen(e);
    MJDZuLangDatum(mjd);
    return {};
}

}  // namespace lunoria::fuzz
