// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "tagesinfo.h"

#include "datumstext.h"
#include "julian.h"
#include "regional.h"

namespace lunoria {

Tagesinfo TagesinfoBerechnen(Extended mjd, int startWochentag)
{
    const auto& e = RegionaleEinstellungen();
    Tagesinfo info;
    info.Wochentagname = e.LangeTagNamen[static_cast<std::size_t>(Wochentag(0, mjd))];
    const int monat = MonatVon(mjd);
    if (monat >= 1 && monat <= 12)
        info.Monatsname = e.LangeMonatsNamen[static_cast<std::size_t>(monat - 1)];
    info.Jahr = JahrVon(mjd);
    info.LangesDatum = MJDZuLangDatum(mjd);
    if (startWochentag == 1) {
        info.KW = Kalenderwoche(mjd);
        info.KWBeginn = KalenderwocheStart(mjd);
    }
    info.TageSeit = TagDesJahres(mjd);
    info.TageBis = TagDesJahres(MJDAusDatum(31, 12, info.Jahr, 0)) - info.TageSeit;
    info.Schaltjahr = lunoria::Schaltjahr(info.Jahr);
    return info;
}

}  // namespace lunoria
