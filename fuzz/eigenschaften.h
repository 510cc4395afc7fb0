// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Property checks on outside input for Lunoria's calendar code, shared by the fuzz harnesses
// and the test program that replays their seed files. Each takes any bytes and returns an
// empty text when every property holds, else a description of the first one broken.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "calendar/meldung.h"
#include "calendar/regional.h"
#include "calendar/uhr.h"
#include "calendar/zonenregel.h"

namespace lunoria::fuzz {

// (a) Date texts under the three date orders: the first byte picks order and separator, the
// rest is the text.
std::string PruefeDatumstext(const std::uint8_t* daten, std::size_t groesse);

// (b) A POSIX rule string (first byte even) or TZif data (odd); the next two bytes pick a year.
std::string PruefeZonenregel(const std::uint8_t* daten, std::size_t groesse);

// (c) Caldat, MJDAusDatum and the calendar facts on extended and integer values taken from the
// bytes.
std::string PruefeKalender(const std::uint8_t* daten, std::size_t groesse);

// Fixed surroundings for one check, restored afterwards: German settings (or the ones given),
// a clock standing at 23 May 2026, 12:00, and error messages counted instead of shown.
class TUmgebung {
public:
    explicit TUmgebung(TRegionaleEinstellungen e = DeutscheEinstellungen());
    ~TUmgebung();
    TUmgebung(const TUmgebung&) = delete;
    TUmgebung& operator=(const TUmgebung&) = delete;

    void Einstellungen(TRegionaleEinstellungen e);
    int Meldungen = 0;

private:
    TRegionalQuelle m_Regional;
    TUhr m_Uhr;
    TMeldungsHook m_Meldung;
    TZonenregelQuelle m_Zone;
};

}  // namespace lunoria::fuzz
