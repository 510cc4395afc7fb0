// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Installs a zone rule for the lifetime of the object and restores the previous provider.

#include <string>
#include <utility>

#include "calendar/zonenregel.h"

namespace lunoria::test {

class ZonenregelGuard {
public:
    // Central European time with the status "standard time now".
    ZonenregelGuard()
        : ZonenregelGuard(MitteleuropaeischeZonenregel())
    {
    }

    explicit ZonenregelGuard(TZonenregelStand stand)
        : m_Vorher(SetzeZonenregelQuelle([stand](int) { return stand; }))
    {
    }

    // A POSIX rule string, evaluated for the year asked for.
    explicit ZonenregelGuard(const std::string& tz)
        : m_Vorher(SetzeZonenregelQuelle([tz](int jahr) { return ZonenregelAusText(tz, jahr); }))
    {
    }

    // Any provider, e.g. one reading a zone file's history.
    explicit ZonenregelGuard(TZonenregelQuelle quelle)
        : m_Vorher(SetzeZonenregelQuelle(std::move(quelle)))
    {
    }

    ~ZonenregelGuard() { SetzeZonenregelQuelle(std::move(m_Vorher)); }
    ZonenregelGuard(const ZonenregelGuard&) = delete;
    ZonenregelGuard& operator=(const ZonenregelGuard&) = delete;

private:
    TZonenregelQuelle m_Vorher;
};

}  // namespace lunoria::test
