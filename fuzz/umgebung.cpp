// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "eigenschaften.h"

#include <utility>

namespace lunoria::fuzz {

TUmgebung::TUmgebung(TRegionaleEinstellungen e)
    : m_Regional(SetzeRegionalQuelle([e] { return e; })),
      m_Uhr(SetzeUhr([] {
          TZeitpunkt z;
          z.Lokal = {2026, 5, 23, 12, 0, 0, 0};
          z.Utc = 1779530400;
          return z;
      })),
      m_Meldung(SetzeMeldungsHook([this](const std::string&) { ++Meldungen; })),
      m_Zone(SetzeZonenregelQuelle([](int) { return MitteleuropaeischeZonenregel(); }))
{
}

TUmgebung::~TUmgebung()
{
    SetzeRegionalQuelle(std::move(m_Regional));
    SetzeUhr(std::move(m_Uhr));
    SetzeMeldungsHook(std::move(m_Meldung));
    SetzeZonenregelQuelle(std::move(m_Zone));
}

void TUmgebung::Einstellungen(TRegionaleEinstellungen e)
{
    SetzeRegionalQuelle([e] { return e; });
}

}  // namespace lunoria::fuzz
