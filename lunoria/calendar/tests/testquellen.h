// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Fixtures that install the seams' test providers and restore the previous ones.

#include <string>
#include <utility>
#include <vector>

#include "calendar/meldung.h"
#include "calendar/regional.h"
#include "calendar/uhr.h"

namespace lunoria::test {

// Regional settings for the lifetime of the object.
class RegionalGuard {
public:
    explicit RegionalGuard(TRegionaleEinstellungen e = DeutscheEinstellungen())
        : m_Vorher(SetzeRegionalQuelle([e] { return e; }))
    {
    }
    ~RegionalGuard() { SetzeRegionalQuelle(std::move(m_Vorher)); }
    RegionalGuard(const RegionalGuard&) = delete;
    RegionalGuard& operator=(const RegionalGuard&) = delete;

private:
    TRegionalQuelle m_Vorher;
};

// A clock standing still at a local date and time.
class UhrGuard {
public:
    UhrGuard(int jahr, int monat, int tag, int stunde = 12, int minute = 0)
        : m_Vorher(SetzeUhr([=] {
              TZeitpunkt z;
              z.Lokal = {jahr, monat, tag, stunde, minute, 0, 0};
              return z;
          }))
    {
    }
    ~UhrGuard() { SetzeUhr(std::move(m_Vorher)); }
    UhrGuard(const UhrGuard&) = delete;
    UhrGuard& operator=(const UhrGuard&) = delete;

private:
    TUhr m_Vorher;
};

// Records every error message instead of showing it.
class MeldungsRecorder {
public:
    MeldungsRecorder()
        : m_Vorher(SetzeMeldungsHook([this](const std::string& t) { Meldungen.push_back(t); }))
    {
    }
    ~MeldungsRecorder() { SetzeMeldungsHook(std::move(m_Vorher)); }
    MeldungsRecorder(const MeldungsRecorder&) = delete;
    MeldungsRecorder& operator=(const MeldungsRecorder&) = delete;

    std::vector<std::string> Meldungen;

private:
    TMeldungsHook m_Vorher;
};

}  // namespace lunoria::test
