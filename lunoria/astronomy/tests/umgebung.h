// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Fixed surroundings for the astronomy tests: German regional settings, a fixed clock, and
// (where a test needs one) a zone rule, each restored when the guard goes.

#include <string>
#include <utility>

#include "calendar/regional.h"
#include "calendar/uhr.h"
#include "calendar/zonenregel.h"

namespace lunoria::test {

class DeutschGuard {
public:
    DeutschGuard()
        : m_Vorher(SetzeRegionalQuelle([] { return DeutscheEinstellungen(); }))
    {
    }
    explicit DeutschGuard(TRegionaleEinstellungen e)
        : m_Vorher(SetzeRegionalQuelle([e] { return e; }))
    {
    }
    ~DeutschGuard() { SetzeRegionalQuelle(std::move(m_Vorher)); }
    DeutschGuard(const DeutschGuard&) = delete;
    DeutschGuard& operator=(const DeutschGuard&) = delete;

private:
    TRegionalQuelle m_Vorher;
};

// The clock stands at 12:00 local time of the given day (UTC one hour earlier).
class FesteUhr {
public:
    FesteUhr(int tag, int monat, int jahr)
        : m_Vorher(SetzeUhr([=] {
              TZeitpunkt z;
              z.Lokal = {jahr, monat, tag, 12, 0, 0, 0};
              z.Utc = 0;
              return z;
          }))
    {
    }
    ~FesteUhr() { SetzeUhr(std::move(m_Vorher)); }
    FesteUhr(const FesteUhr&) = delete;
    FesteUhr& operator=(const FesteUhr&) = delete;

private:
    TUhr m_Vorher;
};

// The system zone follows a POSIX rule string, evaluated for the year asked for; the default is
// central European time.
class ZonenGuard {
public:
    explicit ZonenGuard(std::string tz = "CET-1CEST,M3.5.0,M10.5.0/3")
        : m_Vorher(SetzeZonenregelQuelle([tz](int jahr) { return ZonenregelAusText(tz, jahr); }))
    {
    }
    ~ZonenGuard() { SetzeZonenregelQuelle(std::move(m_Vorher)); }
    ZonenGuard(const ZonenGuard&) = delete;
    ZonenGuard& operator=(const ZonenGuard&) = delete;

private:
    TZonenregelQuelle m_Vorher;
};

// German settings, central European time and a clock at noon of 23 May 1998.
struct DeutscheUmgebung {
    DeutschGuard deutsch;
    ZonenGuard zone;
    FesteUhr uhr{23, 5, 1998};
};

}  // namespace lunoria::test
